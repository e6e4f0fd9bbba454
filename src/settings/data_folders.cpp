#include "settings/data_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "settings/program_dir.h"

namespace kairotex {
namespace fs = std::filesystem;
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool Fail(std::string* error, const std::string& why) {
  if (error != nullptr) *error = why;
  return false;
}

// Copies under a scratch name first: a copy cut short never stands as the
// user's file, which later starts would then keep.
bool CopyOne(const fs::path& from, const fs::path& to, std::string* error) {
  const fs::path scratch = fs::path(to.string() + ".new");
  std::error_code ec;
  fs::copy_file(from, scratch, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(scratch, to, ec);
  if (!ec) return true;
  fs::remove(scratch, ec);
  return Fail(error, "cannot copy " + from.string() + " to " + to.string());
}

}  // namespace

std::string DeliveredDataDir() {
  return (fs::path(ProgramDir()).parent_path() / "share" / "kairotex").string();
}

std::string UserDataDir() {
  const std::string xdg = Environment("XDG_DATA_HOME");
  if (!xdg.empty() && fs::path(xdg).is_absolute()) return (fs::path(xdg) / "kairotex").string();
  const std::string home = Environment("HOME");
  if (home.empty()) return {};
  return (fs::path(home) / ".local" / "share" / "kairotex").string();
}

bool CopyMissingDeliveredFiles(const std::string& delivered_dir, const std::string& user_dir,
                               std::string* error) {
  std::error_code ec;
  if (!fs::is_directory(delivered_dir, ec)) {
    return Fail(error, "the delivered data folder " + delivered_dir + " is missing");
  }
  fs::create_directories(user_dir, ec);
  if (!fs::is_directory(user_dir, ec)) {
    return Fail(error, "cannot make the data folder " + user_dir);
  }
  // The listing keeps an error code of its own: the checks on each file set
  // theirs for files that are simply absent.
  std::error_code listing_error;
  for (const fs::directory_entry& entry : fs::directory_iterator(delivered_dir, listing_error)) {
    if (!entry.is_regular_file(ec)) continue;
    const fs::path target = fs::path(user_dir) / entry.path().filename();
    if (fs::exists(fs::symlink_status(target, ec))) continue;
    if (!CopyOne(entry.path(), target, error)) return false;
  }
  if (listing_error) return Fail(error, "cannot read the delivered data folder " + delivered_dir);
  return true;
}

std::string ResolveProgramDir(const std::string& given, std::string* warning) {
  if (!given.empty()) return given;
  const std::string delivered = DeliveredDataDir();
  const std::string user = UserDataDir();
  if (user.empty()) {
    if (warning != nullptr) *warning = "neither XDG_DATA_HOME nor HOME is set";
    return delivered;
  }
  std::string error;
  if (!CopyMissingDeliveredFiles(delivered, user, &error)) {
    if (warning != nullptr) *warning = error;
    return delivered;
  }
  return user;
}

}  // namespace kairotex
