#include "write_faults.h"

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "test_paths.h"

namespace kairotex::test {
namespace {

namespace fs = std::filesystem;

// Big enough for the old files, small enough to fill at once.
constexpr const char* kTmpfsOptions = "size=64k";

void WriteFiles(const std::string& dir, const std::map<std::string, std::string>& files) {
  for (const auto& [name, bytes] : files) WriteText(dir + "/" + name, bytes);
}

// Takes every free byte of the folder's filesystem.
void FillTheDisk(const std::string& dir) {
  std::ofstream filler(dir + "/FILLER", std::ios::binary);
  const std::string block(4096, 'x');
  while (filler.write(block.data(), block.size()) && filler.flush()) {
  }
  filler.clear();
  // Byte by byte into the last partial block.
  while (filler.put('x') && filler.flush()) {
  }
}

}  // namespace

const char* WriteFaultName(WriteFault fault) {
  return fault == WriteFault::kFullDisk ? "full disk" : "read-only folder";
}

FaultyFolder::FaultyFolder(WriteFault fault, const std::map<std::string, std::string>& files)
    : dir_(MakeTempDir(fault == WriteFault::kFullDisk ? "full-disk" : "read-only")) {
  mounted_ = ::mount("tmpfs", dir_.c_str(), "tmpfs", 0, kTmpfsOptions) == 0;
  WriteFiles(dir_, files);
  if (mounted_) {
    if (fault == WriteFault::kFullDisk) {
      FillTheDisk(dir_);
    } else if (::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
      why_ = "the tmpfs could not be made read-only";
    }
    return;
  }
  if (fault == WriteFault::kFullDisk) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 1;
    size_limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    if (!size_limited_) why_ = "no file-size limit can be set here";
  } else if (::geteuid() == 0) {
    why_ = "an administrator who cannot mount has no read-only folder";
  } else {
    fs::permissions(dir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    write_permission_removed_ = true;
  }
}

FaultyFolder::~FaultyFolder() {
  TurnOff();
}

void FaultyFolder::TurnOff() {
  if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
  if (size_limited_) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
  }
  if (write_permission_removed_) {
    fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
  }
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

}  // namespace kairotex::test
