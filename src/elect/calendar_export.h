// Windows and events as calendar entries, written as iCalendar (RFC 5545),
// CSV (RFC 4180) or JSON text. The writers only build text; SaveCalendarFile
// puts it on disk without risking the file already there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kairotex {

// One entry: an instant when end_unix equals start_unix, a span otherwise.
// Times are whole seconds since 1970-01-01 00:00 UTC.
struct CalendarEntry {
  int64_t start_unix = 0, end_unix = 0;
  std::string summary, description;
};

// What the calendar file says about itself and when it was made. The stamp
// is passed in (never read from the clock here) so that output is repeatable.
struct CalendarStamp {
  int64_t made_unix = 0;                      // DTSTAMP of every VEVENT
  std::string uid_domain = "kairotex.local";  // right-hand side of each UID
};

// "YYYYMMDDTHHMMSSZ", the UTC form of an iCalendar DATE-TIME.
std::string IcsUtcDateTime(int64_t unix_seconds);

// "YYYY-MM-DDTHH:MM:SSZ", the UTC form used by the CSV and JSON writers.
std::string IsoUtcDateTime(int64_t unix_seconds);

// TEXT value escaping: backslash, semicolon, comma and newline.
std::string EscapeIcsText(std::string_view text);

// One content line folded to lines of at most 75 octets (continuations start
// with a space), never inside a UTF-8 sequence, each ended by CRLF.
std::string FoldIcsLine(std::string_view line);

// A VCALENDAR with VERSION and PRODID and one VEVENT per entry (UID,
// DTSTAMP, DTSTART, DTEND for spans, SUMMARY, DESCRIPTION), CRLF line ends.
std::string WriteIcs(const std::vector<CalendarEntry>& entries, const CalendarStamp& stamp);

// A header line "start,end,summary,description" and one row per entry, times
// in IsoUtcDateTime form, fields quoted when they hold a comma, quote, CR or
// LF, CRLF line ends.
std::string WriteCsv(const std::vector<CalendarEntry>& entries);

// One CSV field, quoted and its quotes doubled when it needs it.
std::string CsvField(std::string_view text);

// A JSON array of objects {"start", "end", "start_unix", "end_unix",
// "summary", "description"}.
std::string WriteCalendarJson(const std::vector<CalendarEntry>& entries);

// A JSON string literal, quotes included, control characters escaped.
std::string JsonString(std::string_view text);

// Writes the bytes over `path` through the replacing writer: a write that
// fails keeps the old file. On failure *error holds a message naming the
// file and false is returned.
bool SaveCalendarFile(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace kairotex
