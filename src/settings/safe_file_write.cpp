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

std::string ReplacementScratchPath(const std::string& path) {
  return path + ".new";
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes, std::string* error) {
  namespace fs = std::filesystem;
  const std::string scratch = ReplacementScratchPath(path);
  std::error_code ignored;
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
  std::error_code renamed;
  fs::rename(scratch, path, renamed);
  if (renamed) {
    fs::remove(scratch, ignored);
    return Fail("cannot replace " + path + ": " + renamed.message(), error);
  }
  return true;
}

}  // namespace kairotex
