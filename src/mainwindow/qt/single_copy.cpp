#include "mainwindow/qt/single_copy.h"

#include <QString>

#include "settings/program_dir.h"

namespace kairotex {

SingleCopyLock::SingleCopyLock(const std::string& program_dir)
    : lock_(std::make_unique<QLockFile>(
          QString::fromStdString(ProgramPath(program_dir, kLockFileName)))) {
  // Only a lock whose process has ended is stale, however old it is.
  lock_->setStaleLockTime(0);
}

SingleCopyLock::Result SingleCopyLock::Acquire() {
  if (lock_->tryLock(0)) return Result::kAcquired;
  return lock_->error() == QLockFile::LockFailedError ? Result::kHeldByAnotherCopy
                                                      : Result::kUnavailable;
}

}  // namespace kairotex
