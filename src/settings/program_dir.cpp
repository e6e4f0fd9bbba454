#include "settings/program_dir.h"

#include <filesystem>
#include <system_error>

namespace kairotex {

std::string ProgramDir() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

std::string ProgramPath(std::string_view dir, std::string_view file_name) {
  std::string path(dir);
  if (!path.empty() && path.back() != '/') path += '/';
  path += file_name;
  return path;
}

}  // namespace kairotex
