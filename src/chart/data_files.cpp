#include "chart/data_files.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <future>
#include <string_view>

#include "settings/data_file_error.h"
#include "settings/file_text.h"
#include "settings/program_dir.h"

namespace kairotex {
namespace {

// What one field of a table holds and the values it may take.
struct FieldRule {
  const char* meaning;
  double min, max;
};

// HCDATA holds positions inside the drawing area, whose half-width is 287
// units; RADIUS holds radii between the wheel's inner circle (120) and its
// outer circle (217), where the glyphs stand.
constexpr FieldRule kLabelCoordinate{"a cusp label coordinate", -287, 287};
constexpr FieldRule kGlyphRadius{"a glyph radius", 120, 217};
constexpr FieldRule kFirstAlmuten{"an object number", 1, 16};
constexpr FieldRule kSecondAlmuten{"an object number (0 for none)", 0, 16};
constexpr FieldRule kLongitude{"a longitude", 0, 360};
constexpr FieldRule kDeclination{"a declination", -90, 90};

bool IsBlank(std::string_view line) {
  return TrimBlanks(line).empty();
}

std::string RangeText(const FieldRule& rule) {
  auto number = [](double v) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::string(text, end);
  };
  return number(rule.min) + " to " + number(rule.max);
}

// The plain decimals of the tables ("123.4567", "-7.25") read quickly: the
// digits as a whole number, divided once by a power of ten. With at most 15
// digits both numbers are exact doubles, so the one division rounds as
// from_chars does; anything else (more digits, an exponent) goes to it.
// Scans from p and leaves it on the first character after the number.
bool ScanPlainDecimal(const char*& at, const char* end, double& value) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = at;  // a local copy keeps the scan in registers
  const bool negative = p < end && *p == '-';
  if (negative) ++p;
  uint64_t mantissa = 0;
  int digits = 0, decimals = 0;
  while (p < end && *p >= '0' && *p <= '9') {
    mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
    ++digits;
  }
  if (p < end && *p == '.') {
    ++p;
    while (p < end && *p >= '0' && *p <= '9') {
      mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
      ++decimals;
    }
  }
  at = p;
  if (digits + decimals == 0 || digits + decimals > 15) return false;
  value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
  if (negative) value = -value;
  return true;
}

bool ReadPlainDecimal(std::string_view text, double& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  return ScanPlainDecimal(p, end, value) && p == end;
}

// The number of one field, read whole, or an error naming the field.
double ReadField(std::string_view field, const FieldRule& rule, const std::string& path, int line) {
  std::string_view digits = TrimBlanks(field);
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);  // from_chars takes no '+'
  double value = 0;
  if (ReadPlainDecimal(digits, value) && value >= rule.min && value <= rule.max) return value;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || result.ec == std::errc::invalid_argument ||
      result.ptr != digits.data() + digits.size()) {
    throw DataFileError(path, line, "\"" + QuoteExcerpt(TrimBlanks(field)) + "\" is not a number");
  }
  if (result.ec == std::errc::result_out_of_range || !(value >= rule.min && value <= rule.max)) {
    throw DataFileError(path, line,
                        "\"" + QuoteExcerpt(TrimBlanks(field)) + "\" is outside the range of " +
                            rule.meaning + " (" + RangeText(rule) + ")");
  }
  return value;
}

// Reads one line of the common form (plain decimals within their ranges,
// separated by single commas, no blanks) straight from the text, advancing
// `at` past its line break. Anything else returns false with `at` unmoved,
// for the general reader to take the line and name what is wrong with it.
template <size_t Fields>
bool ReadPlainLine(std::string_view text, size_t& at, const std::array<FieldRule, Fields>& rules,
                   std::array<double, Fields>& values) {
  const char* p = text.data() + at;
  const char* const end = text.data() + text.size();
  for (size_t field = 0; field < Fields; ++field) {
    double value = 0;
    if (!ScanPlainDecimal(p, end, value)) return false;
    if (!(value >= rules[field].min && value <= rules[field].max)) return false;
    values[field] = value;
    const bool last = field + 1 == Fields;
    if (!last) {
      if (p == end || *p != ',') return false;
      ++p;
    }
  }
  if (p < end) {
    if (*p == '\r') {
      ++p;
      if (p < end && *p == '\n') ++p;
    } else if (*p == '\n') {
      ++p;
    } else {
      return false;
    }
  }
  at = static_cast<size_t>(p - text.data());
  return true;
}

// Reads a table of `records` lines, each holding exactly one value per rule,
// and hands each record to sink(record, values). A blank line inside the
// table, a line with too few or too many values and a file that ends before
// the table is full are refused: each would shift or zero later entries.
template <size_t Fields, typename Sink>
void ReadTable(const std::string& path, size_t records, const std::array<FieldRule, Fields>& rules,
               Sink&& sink) {
  size_t record = 0;
  int number = 0;
  const auto read_lines = [&](std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
      ++number;
      std::array<double, Fields> values{};
      if (record < records && ReadPlainLine(text, at, rules, values)) {
        sink(record++, values);
        continue;
      }
      // The general reader, for a line the quick one did not take.
      size_t line_end = at;
      while (line_end < text.size() && text[line_end] != '\n' && text[line_end] != '\r') ++line_end;
      const std::string_view line = text.substr(at, line_end - at);
      if (line_end < text.size() && text[line_end] == '\r' && line_end + 1 < text.size() &&
          text[line_end + 1] == '\n')
        ++line_end;
      at = line_end + 1;
      if (record == records) {
        if (IsBlank(line)) continue;  // blank lines after a complete table change nothing
        throw DataFileError(path, number, "more than " + std::to_string(records) + " lines");
      }
      if (IsBlank(line)) throw DataFileError(path, number, "the line is empty");
      size_t count = 0;
      size_t start = 0;
      while (true) {
        const size_t comma = line.find(',', start);
        const std::string_view field = line.substr(start, comma - start);
        if (count < Fields) values[count] = ReadField(field, rules[count], path, number);
        ++count;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
      }
      if (count != Fields) {
        throw DataFileError(path, number,
                            "the line holds " + std::to_string(count) +
                                (count == 1 ? " value" : " values") + "; each line holds " +
                                std::to_string(Fields));
      }
      sink(record++, values);
    }
  };
  const FileProblem problem = ReadFileByLines(path, read_lines);
  if (problem != FileProblem::kNone) {
    throw DataFileError(path, 0, DescribeFileProblem(path, problem));
  }
  if (record < records) {
    throw DataFileError(path, number + 1,
                        "the file ends after " + std::to_string(record) +
                            " lines; the table needs " + std::to_string(records));
  }
}

template <size_t N>
void LoadShortTable(const std::string& dir, const char* name, const FieldRule& rule,
                    std::array<int16_t, N>& table) {
  ReadTable<1>(ProgramPath(dir, name), N, {rule}, [&](size_t index, const auto& values) {
    table[index] = static_cast<int16_t>(std::nearbyint(values[0]));
  });
}

void LoadChironGeo(const std::string& dir, DataTables& t) {
  t.ChironGeoLon.assign(kChironRecords, 0.0f);
  t.ChironDecl.assign(kChironRecords, 0.0f);
  ReadTable<2>(ProgramPath(dir, "CHIRON.DAT"), kChironRecords, {kLongitude, kDeclination},
               [&](size_t index, const auto& values) {
                 t.ChironGeoLon[index] = static_cast<float>(values[0]);
                 t.ChironDecl[index] = static_cast<float>(values[1]);
               });
}

void LoadChironHelio(const std::string& dir, DataTables& t) {
  t.ChironHelioLon.assign(kChironRecords, 0.0f);
  ReadTable<1>(ProgramPath(dir, "CHIRON_HELIO.DAT"), kChironRecords, {kLongitude},
               [&](size_t index, const auto& values) {
                 t.ChironHelioLon[index] = static_cast<float>(values[0]);
               });
}

}  // namespace

DataTables LoadDataFiles(const std::string& program_dir) {
  DataTables t;
  LoadShortTable(program_dir, "HCDATA.DAT", kLabelCoordinate, t.HcData);
  LoadShortTable(program_dir, "RADIUS.DAT", kGlyphRadius, t.RadiusData);
  LoadShortTable(program_dir, "ALMUTD1.DAT", kFirstAlmuten, t.AlmutenDay1);
  LoadShortTable(program_dir, "ALMUTD2.DAT", kSecondAlmuten, t.AlmutenDay2);
  LoadShortTable(program_dir, "ALMUTN1.DAT", kFirstAlmuten, t.AlmutenNight1);
  LoadShortTable(program_dir, "ALMUTN2.DAT", kSecondAlmuten, t.AlmutenNight2);
  // The two Chiron tables are most of the reading: the heliocentric one is
  // read beside the geocentric one. A fault in the geocentric table is still
  // the one told first, as when they were read in turn.
  std::future<void> helio =
      std::async(std::launch::async, [&program_dir, &t] { LoadChironHelio(program_dir, t); });
  try {
    LoadChironGeo(program_dir, t);
  } catch (...) {
    helio.wait();
    throw;
  }
  helio.get();
  return t;
}

}  // namespace kairotex
