// The calendar writers: UTC times, the text escapes and the line folding of
// iCalendar, CSV quoting, JSON strings, a real parser reading the output, and
// a failed save that keeps the old file.
#include "elect/calendar_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "test_paths.h"
#include "write_faults.h"

namespace kairotex {
namespace {

TEST(CalendarExport, UtcTimes) {
  const struct {
    int64_t unix_seconds;
    const char *ics, *iso;
  } cases[] = {
      {0, "19700101T000000Z", "1970-01-01T00:00:00Z"},
      {946728000, "20000101T120000Z", "2000-01-01T12:00:00Z"},       // J2000
      {1709208000 - 1, "20240229T115959Z", "2024-02-29T11:59:59Z"},  // a leap day
      {1710903960, "20240320T030600Z", "2024-03-20T03:06:00Z"},
      {-1, "19691231T235959Z", "1969-12-31T23:59:59Z"},           // before 1970
      {-2203891200, "19000301T000000Z", "1900-03-01T00:00:00Z"},  // 1900 no leap year
      {4102444800, "21000101T000000Z", "2100-01-01T00:00:00Z"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IcsUtcDateTime(c.unix_seconds), c.ics);
    EXPECT_EQ(IsoUtcDateTime(c.unix_seconds), c.iso);
  }
}

TEST(CalendarExport, TextEscapes) {
  const struct {
    const char *text, *escaped;
  } cases[] = {
      {"Moon void of course", "Moon void of course"},
      {"a,b;c\\d", "a\\,b\\;c\\\\d"},
      {"line one\nline two", "line one\\nline two"},
      {"crlf\r\nend", "crlf\\nend"},
      {"Election: marriage, score 87", "Election: marriage\\, score 87"},  // a colon stays
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeIcsText(c.text), c.escaped) << c.text;
}

// The line unfolded as a parser unfolds it.
std::string Unfold(std::string folded) {
  for (size_t at; (at = folded.find("\r\n ")) != std::string::npos;) folded.erase(at, 3);
  return folded.substr(0, folded.size() - 2);
}

TEST(CalendarExport, FoldingAt75OctetsKeepsUtf8Whole) {
  const std::string degree = "\xC2\xB0";          // two octets
  const std::string check_mark = "\xE2\x9C\x93";  // three octets
  const std::string lines[] = {
      std::string(75, 'a'),
      std::string(76, 'a'),
      std::string(300, 'b'),
      std::string(74, 'c') + degree + "tail",  // the degree sign straddles octet 75
      std::string(73, 'd') + check_mark + std::string(80, 'e'),
      "DESCRIPTION:" +
          [&] {
            std::string s;
            for (int i = 0; i < 60; ++i) s += check_mark;
            return s;
          }(),
  };
  for (const std::string& line : lines) {
    const std::string folded = FoldIcsLine(line);
    EXPECT_EQ(Unfold(folded), line);
    ASSERT_EQ(folded.substr(folded.size() - 2), "\r\n");
    size_t begin = 0;
    for (size_t end; (end = folded.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
      EXPECT_LE(end - begin, 75u);
      // No physical line starts inside a UTF-8 sequence.
      const size_t first = begin == 0 ? 0 : begin + 1;
      if (first < end) {
        EXPECT_NE(static_cast<unsigned char>(folded[first]) & 0xC0, 0x80) << line;
      }
    }
  }
  EXPECT_EQ(FoldIcsLine(std::string(75, 'a')).find("\r\n "), std::string::npos);
  EXPECT_NE(FoldIcsLine(std::string(76, 'a')).find("\r\n "), std::string::npos);
}

TEST(CalendarExport, CsvQuoting) {
  const struct {
    const char *field, *written;
  } cases[] = {
      {"plain", "plain"},
      {"", ""},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"cr\r", "\"cr\r\""},
      {"semi;colon", "semi;colon"},
  };
  for (const auto& c : cases) EXPECT_EQ(CsvField(c.field), c.written) << c.field;
  const std::string csv = WriteCsv({{0, 60, "Moon void of course", "from, to"}});
  EXPECT_EQ(csv,
            "start,end,summary,description\r\n"
            "1970-01-01T00:00:00Z,1970-01-01T00:01:00Z,Moon void of course,\"from, to\"\r\n");
}

TEST(CalendarExport, JsonStrings) {
  EXPECT_EQ(JsonString("plain"), "\"plain\"");
  EXPECT_EQ(JsonString("q\"b\\"), "\"q\\\"b\\\\\"");
  EXPECT_EQ(JsonString("a\nb\tc\x01"), "\"a\\nb\\tc\\u0001\"");
  EXPECT_EQ(JsonString("15\xC2\xB0 Libra"), "\"15\xC2\xB0 Libra\"");  // UTF-8 as it is
  EXPECT_EQ(WriteCalendarJson({}), "[]\n");
  EXPECT_EQ(WriteCalendarJson({{0, 0, "Sun enters Aries", ""}}),
            "[\n  {\"start\": \"1970-01-01T00:00:00Z\", \"end\": \"1970-01-01T00:00:00Z\", "
            "\"start_unix\": 0, \"end_unix\": 0, \"summary\": \"Sun enters Aries\", "
            "\"description\": \"\"}\n]\n");
}

std::vector<CalendarEntry> SampleEntries() {
  return {
      {1710903960, 1710903960, "Sun enters Aries", "Exact at 2024-03-20T03:06:00Z"},
      {1710806400, 1710810000, "Moon void of course", "From 00:00 to 01:00, UTC; then Leo"},
      {1710892800, 1710896400, "Election: marriage, score 87",
       "Moon not void of course: pass, weight 10\nVenus angular: pass, weight 5 " +
           std::string(100, 'x') + " 15\xC2\xB0 Libra"},
  };
}

TEST(CalendarExport, IcsStructure) {
  CalendarStamp stamp;
  stamp.made_unix = 1765200000;
  const std::string ics = WriteIcs(SampleEntries(), stamp);
  EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:", 0), 0u);
  EXPECT_EQ(ics.substr(ics.size() - 15), "END:VCALENDAR\r\n");
  size_t events = 0;
  for (size_t at = 0; (at = ics.find("BEGIN:VEVENT\r\n", at)) != std::string::npos; ++at) ++events;
  EXPECT_EQ(events, 3u);
  EXPECT_NE(ics.find("DTSTAMP:20251208T132000Z\r\n"), std::string::npos);
  EXPECT_NE(ics.find("DTSTART:20240320T030600Z\r\n"), std::string::npos);
  EXPECT_NE(ics.find("SUMMARY:Election: marriage\\, score 87\r\n"), std::string::npos);
  // Every LF belongs to a CRLF.
  for (size_t at = 0; (at = ics.find('\n', at)) != std::string::npos; ++at) {
    ASSERT_GT(at, 0u);
    ASSERT_EQ(ics[at - 1], '\r');
  }
  EXPECT_EQ(WriteIcs(SampleEntries(), stamp), ics);  // repeatable
}

TEST(CalendarExport, ARealCalendarParserReadsTheEventsInUtc) {
  const std::string script = std::string(KAIROTEX_TEST_SOURCE_DIR) + "/elect/check_ics.py";
  // Debian's parser belongs to the system's interpreter, which a user's own
  // python3 earlier on the PATH may hide.
  const std::string python =
      std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
  if (std::system((python + " -c 'import icalendar' >/dev/null 2>&1").c_str()) != 0) {
    GTEST_SKIP() << "python3-icalendar is not installed";
  }
  const std::string dir = test::MakeTempDir("ics");
  const std::string ics_path = dir + "/events.ics", out_path = dir + "/parsed.txt";
  test::WriteText(ics_path, WriteIcs(SampleEntries(), CalendarStamp{}));
  const std::string command = python + " '" + script + "' '" + ics_path + "' > '" + out_path + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << test::ReadText(out_path);
  EXPECT_EQ(test::ReadText(out_path),
            "20240320T030600Z\t-\tSun enters Aries\tExact at 2024-03-20T03:06:00Z\n"
            "20240319T000000Z\t20240319T010000Z\tMoon void of course\t"
            "From 00:00 to 01:00, UTC; then Leo\n"
            "20240320T000000Z\t20240320T010000Z\tElection: marriage, score 87\t"
            "Moon not void of course: pass, weight 10|Venus angular: pass, weight 5 " +
                std::string(100, 'x') + " 15\xC2\xB0 Libra\n");
  std::filesystem::remove_all(dir);
}

TEST(CalendarExport, AFailedSaveKeepsTheOldFileAndNamesIt) {
  for (const test::WriteFault fault :
       {test::WriteFault::kFullDisk, test::WriteFault::kReadOnlyFolder}) {
    test::FaultyFolder folder(fault, {{"events.ics", "old calendar"}});
    if (!folder.Ready()) GTEST_SKIP() << folder.Why();
    const std::string path = folder.Path("events.ics");
    std::string error;
    EXPECT_FALSE(SaveCalendarFile(path, WriteIcs(SampleEntries(), CalendarStamp{}), &error))
        << test::WriteFaultName(fault);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("is unchanged"), std::string::npos) << error;
    EXPECT_EQ(test::ReadText(path), "old calendar");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
  }
}

TEST(CalendarExport, ASaveWritesTheBytes) {
  const std::string dir = test::MakeTempDir("ics-save");
  std::string error;
  ASSERT_TRUE(SaveCalendarFile(dir + "/a.csv", "start,end\r\n", &error)) << error;
  EXPECT_EQ(test::ReadText(dir + "/a.csv"), "start,end\r\n");
  EXPECT_FALSE(SaveCalendarFile(dir + "/no such folder/a.csv", "x", &error));
  EXPECT_NE(error.find("no such folder/a.csv"), std::string::npos) << error;
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kairotex
