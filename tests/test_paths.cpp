#include "test_paths.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kairotex::test {

std::string DataDir() {
  return KAIROTEX_TEST_DATA_DIR;
}
std::string ReferenceDir() {
  return KAIROTEX_TEST_REFERENCE_DIR;
}
std::string SourceDir() {
  return KAIROTEX_TEST_SOURCE_DIR;
}

std::string MakeTempDir(const std::string& tag) {
  namespace fs = std::filesystem;
  static int counter = 0;
  fs::path dir = fs::temp_directory_path() / ("kairotex-" + tag + "-" + std::to_string(::getpid()) +
                                              "-" + std::to_string(++counter));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

std::string CopyOfDataDir(const std::string& tag) {
  const std::string dir = MakeTempDir(tag);
  std::filesystem::copy(DataDir(), dir, std::filesystem::copy_options::recursive);
  return dir;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::vector<std::string>> ReadCsvRows(const std::string& path,
                                                  std::vector<std::string>* header) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream in(path);
  bool header_seen = false;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream ss(line);
    for (std::string field; std::getline(ss, field, ',');) fields.push_back(field);
    if (!header_seen) {
      header_seen = true;
      if (header != nullptr) *header = fields;
    } else {
      rows.push_back(fields);
    }
  }
  return rows;
}

}  // namespace kairotex::test
