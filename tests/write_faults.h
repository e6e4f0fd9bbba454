// Folders where a write fails: a full disk or a read-only folder, for the
// tests that every writer keeps the old file and says why.
#pragma once

#include <map>
#include <string>

namespace kairotex::test {

enum class WriteFault { kFullDisk, kReadOnlyFolder };

// Readable names for the cases of a table.
const char* WriteFaultName(WriteFault fault);

// A fresh folder holding `files` (name to bytes) with the fault turned on.
// Where it can mount a filesystem (the tests run as root) the folder is a
// small tmpfs, filled to the last byte or remounted read-only; elsewhere a
// full disk is a file-size limit of one byte (SIGXFSZ ignored) and a
// read-only folder is one without write permission. Where neither works
// (root without mounting), Ready() is false and Why() says so.
class FaultyFolder {
 public:
  FaultyFolder(WriteFault fault, const std::map<std::string, std::string>& files);
  ~FaultyFolder();
  FaultyFolder(const FaultyFolder&) = delete;
  FaultyFolder& operator=(const FaultyFolder&) = delete;

  bool Ready() const { return why_.empty(); }
  const std::string& Why() const { return why_; }
  const std::string& dir() const { return dir_; }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

 private:
  void TurnOff();

  std::string dir_;
  std::string why_;
  bool mounted_ = false;
  bool size_limited_ = false;
  bool write_permission_removed_ = false;
};

}  // namespace kairotex::test
