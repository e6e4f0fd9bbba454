#include "reference_positions.h"

#include <fstream>
#include <sstream>

#include "test_paths.h"

namespace kairotex::test {

std::vector<ReferencePosition> LoadReferencePositions() {
  std::ifstream in(ReferenceDir() + "/positions.csv");
  std::vector<std::string> header;
  std::vector<ReferencePosition> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream ss(line);
    for (std::string field; std::getline(ss, field, ',');) fields.push_back(field);
    if (header.empty()) {
      header = fields;
      continue;
    }
    if (fields.size() != header.size()) continue;
    ReferencePosition row{fields[0], fields[1], fields[2], fields[3], {}};
    for (size_t i = 4; i < fields.size(); ++i) row.values[header[i]] = std::stod(fields[i]);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace kairotex::test
