#include "elect/calendar_export.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "settings/safe_file_write.h"

namespace kairotex {
namespace {

struct UtcFields {
  int64_t year = 1970;
  int month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// Proleptic Gregorian date of a day count from 1970-01-01 (the civil-from-days
// method of era, day of era and year of era).
UtcFields UtcFieldsOf(int64_t unix_seconds) {
  int64_t days = unix_seconds / 86400;
  int64_t secs = unix_seconds % 86400;
  if (secs < 0) {
    secs += 86400;
    --days;
  }
  const int64_t z = days + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  UtcFields f;
  f.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  f.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  f.year = yoe + era * 400 + (f.month <= 2 ? 1 : 0);
  f.hour = static_cast<int>(secs / 3600);
  f.minute = static_cast<int>(secs / 60 % 60);
  f.second = static_cast<int>(secs % 60);
  return f;
}

std::string FormatUtc(int64_t unix_seconds, const char* format) {
  const UtcFields f = UtcFieldsOf(unix_seconds);
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, format, static_cast<long long>(f.year), f.month, f.day,
                f.hour, f.minute, f.second);
  return buffer;
}

void AppendProperty(std::string& out, std::string_view name, std::string_view value) {
  std::string line(name);
  line += ':';
  line += value;
  out += FoldIcsLine(line);
}

}  // namespace

std::string IcsUtcDateTime(int64_t unix_seconds) {
  return FormatUtc(unix_seconds, "%04lld%02d%02dT%02d%02d%02dZ");
}

std::string IsoUtcDateTime(int64_t unix_seconds) {
  return FormatUtc(unix_seconds, "%04lld-%02d-%02dT%02d:%02d:%02dZ");
}

std::string EscapeIcsText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == ';' || c == ',') {
      out += '\\';
      out += c;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;  // CRLF becomes one escaped newline
    } else if (c == '\n' || c == '\r') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string FoldIcsLine(std::string_view line) {
  constexpr size_t kMaxOctets = 75;
  std::string out;
  size_t limit = kMaxOctets;  // the first line has no leading space
  while (line.size() > limit) {
    size_t cut = limit;
    // Never split a UTF-8 sequence: back up to the start of the character.
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    if (cut == 0) cut = limit;  // not UTF-8 at all; cut where the limit falls
    out.append(line.substr(0, cut));
    out += "\r\n ";
    line.remove_prefix(cut);
    limit = kMaxOctets - 1;
  }
  out.append(line);
  out += "\r\n";
  return out;
}

std::string WriteIcs(const std::vector<CalendarEntry>& entries, const CalendarStamp& stamp) {
  std::string out;
  AppendProperty(out, "BEGIN", "VCALENDAR");
  AppendProperty(out, "VERSION", "2.0");
  AppendProperty(out, "PRODID", "-//KAIROTEX//Election finder//EN");
  AppendProperty(out, "CALSCALE", "GREGORIAN");
  const std::string made = IcsUtcDateTime(stamp.made_unix);
  for (size_t i = 0; i < entries.size(); ++i) {
    const CalendarEntry& e = entries[i];
    AppendProperty(out, "BEGIN", "VEVENT");
    AppendProperty(
        out, "UID",
        std::to_string(e.start_unix) + '-' + std::to_string(i + 1) + '@' + stamp.uid_domain);
    AppendProperty(out, "DTSTAMP", made);
    AppendProperty(out, "DTSTART", IcsUtcDateTime(e.start_unix));
    // An instant has no DTEND: the event then ends where it starts.
    if (e.end_unix > e.start_unix) AppendProperty(out, "DTEND", IcsUtcDateTime(e.end_unix));
    AppendProperty(out, "SUMMARY", EscapeIcsText(e.summary));
    if (!e.description.empty()) AppendProperty(out, "DESCRIPTION", EscapeIcsText(e.description));
    AppendProperty(out, "END", "VEVENT");
  }
  AppendProperty(out, "END", "VCALENDAR");
  return out;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string WriteCsv(const std::vector<CalendarEntry>& entries) {
  std::string out = "start,end,summary,description\r\n";
  for (const CalendarEntry& e : entries) {
    out += IsoUtcDateTime(e.start_unix);
    out += ',';
    out += IsoUtcDateTime(e.end_unix);
    out += ',';
    out += CsvField(e.summary);
    out += ',';
    out += CsvField(e.description);
    out += "\r\n";
  }
  return out;
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string WriteCalendarJson(const std::vector<CalendarEntry>& entries) {
  std::string out = "[";
  for (size_t i = 0; i < entries.size(); ++i) {
    const CalendarEntry& e = entries[i];
    out += i == 0 ? "\n" : ",\n";
    out += "  {\"start\": " + JsonString(IsoUtcDateTime(e.start_unix));
    out += ", \"end\": " + JsonString(IsoUtcDateTime(e.end_unix));
    out += ", \"start_unix\": " + std::to_string(e.start_unix);
    out += ", \"end_unix\": " + std::to_string(e.end_unix);
    out += ", \"summary\": " + JsonString(e.summary);
    out += ", \"description\": " + JsonString(e.description) + "}";
  }
  out += entries.empty() ? "]\n" : "\n]\n";
  return out;
}

bool SaveCalendarFile(const std::string& path, const std::string& bytes, std::string* error) {
  std::error_code ignored;
  const bool existed = std::filesystem::exists(path, ignored);
  std::string reason;
  if (WriteFileReplacing(path, bytes, &reason)) return true;
  if (error != nullptr) {
    // The replacing writer's reasons name the file or its scratch copy.
    *error = reason.find(path) != std::string::npos ? reason : path + ": " + reason;
    if (existed) *error += "; " + path + " is unchanged";
  }
  return false;
}

}  // namespace kairotex
