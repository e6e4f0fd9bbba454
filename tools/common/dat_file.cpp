#include "common/dat_file.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kairotex::tools {

std::string WriteDatFileTemp(const std::string& path, const std::vector<std::string>& records) {
  const std::string temp = path + ".tmp";
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  if (!out) FailCheck("cannot create " + temp);
  for (const auto& record : records) out << record << kLineEnd;
  out.close();
  if (!out) FailCheck("cannot write " + temp);
  return temp;
}

void CommitDatFile(const std::string& temp_path, const std::string& path) {
  std::filesystem::rename(temp_path, path);
}

std::vector<double> ReadDatValues(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) FailCheck("cannot open " + path);
  std::stringstream whole;
  whole << in.rdbuf();
  const std::string text = whole.str();

  // A CR must always be followed by LF: the files are CR LF throughout.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) {
      FailCheck(path + ": lone CR at byte " + std::to_string(i));
    }
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
      FailCheck(path + ": LF without CR at byte " + std::to_string(i));
    }
  }

  std::vector<double> values;
  std::string field;
  auto flush = [&](bool allow_empty) {
    if (field.empty()) {
      if (!allow_empty)
        FailCheck(path + ": empty field after value " + std::to_string(values.size()));
      return;
    }
    std::size_t used = 0;
    double value = 0;
    try {
      value = std::stod(field, &used);
    } catch (const std::exception&) {
      FailCheck(path + ": not a number: \"" + field + "\"");
    }
    if (used != field.size()) FailCheck(path + ": not a number: \"" + field + "\"");
    values.push_back(value);
    field.clear();
  };
  for (char c : text) {
    if (c == ',') {
      flush(false);
    } else if (c == '\n') {
      flush(true);
    } else if (c != '\r') {
      field += c;
    }
  }
  flush(true);
  return values;
}

void FailCheck(const std::string& what) {
  throw std::runtime_error(what);
}

std::string FormatFixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  if (std::round(value * scale) == 0.0) value = 0.0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

}  // namespace kairotex::tools
