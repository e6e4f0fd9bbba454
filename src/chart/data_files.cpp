#include "chart/data_files.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "settings/data_file_error.h"
#include "settings/program_dir.h"

namespace kairotex {
namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataFileError(path, 0, "file not found or unreadable");
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

// Calls sink(index, value, line) for every value of a list-input file.
template <typename Sink>
void ForEachValue(const std::string& path, Sink&& sink) {
  const std::string text = ReadWholeFile(path);
  const char* p = text.data();
  const char* const end = p + text.size();
  int line = 1;
  size_t index = 0;
  while (p < end) {
    const char c = *p;
    if (c == '\n') {
      ++line;
      ++p;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == ',') {
      ++p;
    } else {
      const char* start = p;
      if (*p == '+') ++p;  // from_chars takes no plus sign
      double value = 0;
      const auto result = std::from_chars(p, end, value);
      if (result.ec != std::errc() || !std::isfinite(value)) {
        const char* stop = start;
        while (stop < end && *stop != ',' && *stop != '\n' && *stop != '\r') ++stop;
        throw DataFileError(path, line, "\"" + std::string(start, stop) + "\" is not a number");
      }
      p = result.ptr;
      if (p < end && !(*p == ',' || *p == '\n' || *p == '\r' || *p == ' ' || *p == '\t')) {
        throw DataFileError(path, line, "a value is followed by an unexpected character");
      }
      sink(index++, value, line);
    }
  }
}

template <size_t N>
void LoadShortTable(const std::string& dir, const char* name, std::array<int16_t, N>& table) {
  const std::string path = ProgramPath(dir, name);
  ForEachValue(path, [&](size_t index, double value, int line) {
    if (index >= N) throw DataFileError(path, line, "more than " + std::to_string(N) + " values");
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) {
      throw DataFileError(path, line, "value out of range for a 16-bit table");
    }
    table[index] = static_cast<int16_t>(rounded);
  });
}

void LoadChironGeo(const std::string& dir, DataTables& t) {
  const std::string path = ProgramPath(dir, "CHIRON.DAT");
  t.ChironGeoLon.assign(kChironRecords, 0.0f);
  t.ChironDecl.assign(kChironRecords, 0.0f);
  ForEachValue(path, [&](size_t index, double value, int line) {
    const size_t record = index / 2;
    if (record >= static_cast<size_t>(kChironRecords)) {
      throw DataFileError(path, line, "more than 60000 records");
    }
    (index % 2 == 0 ? t.ChironGeoLon : t.ChironDecl)[record] = static_cast<float>(value);
  });
}

void LoadChironHelio(const std::string& dir, DataTables& t) {
  const std::string path = ProgramPath(dir, "CHIRON_HELIO.DAT");
  t.ChironHelioLon.assign(kChironRecords, 0.0f);
  ForEachValue(path, [&](size_t index, double value, int line) {
    if (index >= static_cast<size_t>(kChironRecords)) {
      throw DataFileError(path, line, "more than 60000 records");
    }
    t.ChironHelioLon[index] = static_cast<float>(value);
  });
}

}  // namespace

DataTables LoadDataFiles(const std::string& program_dir) {
  DataTables t;
  LoadShortTable(program_dir, "HCDATA.DAT", t.HcData);
  LoadShortTable(program_dir, "RADIUS.DAT", t.RadiusData);
  LoadShortTable(program_dir, "ALMUTD1.DAT", t.AlmutenDay1);
  LoadShortTable(program_dir, "ALMUTD2.DAT", t.AlmutenDay2);
  LoadShortTable(program_dir, "ALMUTN1.DAT", t.AlmutenNight1);
  LoadShortTable(program_dir, "ALMUTN2.DAT", t.AlmutenNight2);
  LoadChironGeo(program_dir, t);
  LoadChironHelio(program_dir, t);
  return t;
}

}  // namespace kairotex
