#include "settings/safe_file_write.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace kairotex {
namespace {

bool Fail(const std::string& reason, std::string* error) {
  if (error) *error = reason;
  return false;
}

}  // namespace

bool IsWriteProtected(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::is_regular_file(status)) return false;
  if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) return true;
  // Opening to append changes neither the bytes nor the modification time.
  std::ofstream probe(path, std::ios::binary | std::ios::app);
  return !probe.is_open();
}

std::string ReplacementScratchPath(const std::string& path) {
  return path + ".new";
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes, std::string* error) {
  namespace fs = std::filesystem;
  const std::string scratch = ReplacementScratchPath(path);
  std::error_code ignored;
  // Renaming over it would drop the protection along with the old bytes.
  if (IsWriteProtected(path)) return Fail(path + " is write-protected", error);
  {
    errno = 0;
    std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
    if (!out) {
      return Fail("cannot create " + scratch + ": " + std::strerror(errno ? errno : EIO), error);
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    if (out.fail()) {
      const int code = errno ? errno : EIO;
      fs::remove(scratch, ignored);
      return Fail("cannot write " + scratch + ": " + std::strerror(code), error);
    }
  }
  // The replacement keeps the permissions the user gave the old file.
  const fs::file_status old_status = fs::status(path, ignored);
  if (fs::is_regular_file(old_status)) {
    fs::permissions(scratch, old_status.permissions(), fs::perm_options::replace, ignored);
  }
  std::error_code renamed;
  fs::rename(scratch, path, renamed);
  if (renamed) {
    fs::remove(scratch, ignored);
    return Fail("cannot replace " + path + ": " + renamed.message(), error);
  }
  return true;
}

}  // namespace kairotex
