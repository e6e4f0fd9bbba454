// One running copy of the program: a lock file in the program folder. The
// lock of a run that crashed is taken over.
#pragma once

#include <QLockFile>
#include <memory>
#include <string>

namespace kairotex {

inline constexpr const char* kLockFileName = "kairotex.lock";

class SingleCopyLock {
 public:
  explicit SingleCopyLock(const std::string& program_dir);
  enum class Result { kAcquired, kHeldByAnotherCopy, kUnavailable };
  // kHeldByAnotherCopy when a running copy holds the lock; kUnavailable when
  // no lock can be made there (a folder that is missing or read-only), which
  // start-up then reports as the folder's own trouble.
  Result Acquire();

 private:
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace kairotex
