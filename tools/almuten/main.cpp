// Writes the almuten tables ALMUTD1.DAT, ALMUTD2.DAT (day charts) and
// ALMUTN1.DAT, ALMUTN2.DAT (night charts): 361 object numbers each, one per
// whole degree of longitude 0..360.
// Usage: kairotex_almuten_tables <output folder>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "almuten/almuten_check.h"
#include "almuten/almuten_tables.h"
#include "common/dat_file.h"

namespace {

using namespace kairotex::tools;

std::vector<std::string> Records(const std::array<int, kAlmutenEntries>& table) {
  std::vector<std::string> records;
  for (int value : table) records.push_back(std::to_string(value));
  return records;
}

void WriteSet(const std::string& out_dir, const char* first_name, const char* second_name,
              bool night) {
  const AlmutenTables tables = BuildAlmutenTables(night);
  const std::string first_path = out_dir + "/" + first_name;
  const std::string second_path = out_dir + "/" + second_name;
  const std::string first_temp = WriteDatFileTemp(first_path, Records(tables.first));
  const std::string second_temp = WriteDatFileTemp(second_path, Records(tables.second));
  CheckAlmutenFiles(first_temp, second_temp, night);
  CommitDatFile(first_temp, first_path);
  CommitDatFile(second_temp, second_path);
  std::printf("wrote %s and %s\n", first_path.c_str(), second_path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  try {
    WriteSet(argv[1], "ALMUTD1.DAT", "ALMUTD2.DAT", false);
    WriteSet(argv[1], "ALMUTN1.DAT", "ALMUTN2.DAT", true);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kairotex_almuten_tables: %s\n", e.what());
    return 1;
  }
}
