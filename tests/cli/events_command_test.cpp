// kairotex-cli events: the refusals (exit 2 with the reason) and the events
// of a day as text, JSON, CSV and an iCalendar file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli_run.h"

namespace kairotex::cli {
namespace {

CliRun RunEventsArgs(std::vector<std::string> args) {
  args.insert(args.begin(), {"events", "--data-dir", test::DataDir(), "--lon", "0w00", "--lat",
                             "51n28", "--zone", "0"});
  return RunCliArgs(args);
}

TEST(EventsCommand, RefusalsExitTwoWithTheReason) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--from", "2024-03-20", "--to", "2024-03-19"}, "the range is empty"},
      {{"--from", "2024-03-19T12:00", "--to", "2024-03-19T12:00"}, "the range is empty"},
      {{"--from", "2024-03-1x", "--to", "2024-03-20"}, "--from must be YYYY-MM-DD"},
      {{"--from", "2024-03-19", "--to", "2024-03-20T25:00"}, "--to must be YYYY-MM-DD"},
      {{"--from", "2024-03-19T10:00:61", "--to", "2024-03-20"}, "--from must be"},
      {{"--from", "2024-03-19"}, "events needs --from and --to"},
      {{"--from", "2024-03-19", "--to", "2024-03-20", "--json", "--csv"}, "give one of"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunEventsArgs(c.args);
    EXPECT_EQ(run.status, kExitInputRefused) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  // A date that does not exist is the chart's own refusal.
  EXPECT_EQ(RunEventsArgs({"--from", "2024-02-30", "--to", "2024-03-20"}).status,
            kExitInputRefused);
}

TEST(EventsCommand, ADayAsTextJsonCsvAndCalendar) {
  const std::vector<std::string> day = {"--from", "2024-03-19T12:00", "--to", "2024-03-20T06:00"};
  const CliRun text = RunEventsArgs(day);
  ASSERT_EQ(text.status, kExitOk) << text.err;
  EXPECT_NE(text.out.find("Z  Moon void of course"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("2024-03-20T03:0"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Sun enters Aries"), std::string::npos) << text.out;

  std::vector<std::string> args = day;
  args.push_back("--json");
  const CliRun json = RunEventsArgs(args);
  ASSERT_EQ(json.status, kExitOk) << json.err;
  const nlohmann::json list = nlohmann::json::parse(json.out);
  ASSERT_TRUE(list.is_array());
  const size_t lines = static_cast<size_t>(std::count(text.out.begin(), text.out.end(), '\n'));
  EXPECT_EQ(list.size(), lines);
  bool saw_void = false;
  for (const auto& e : list) {
    if (e["kind"] == "void_of_course") {
      saw_void = true;
      EXPECT_GT(e["end_unix"].get<int64_t>(), e["start_unix"].get<int64_t>());
    }
  }
  EXPECT_TRUE(saw_void);

  args.back() = "--csv";
  const CliRun csv = RunEventsArgs(args);
  ASSERT_EQ(csv.status, kExitOk) << csv.err;
  EXPECT_EQ(csv.out.rfind("start,end,summary,description\r\n", 0), 0u);
  EXPECT_EQ(static_cast<size_t>(std::count(csv.out.begin(), csv.out.end(), '\n')), lines + 1);

  const std::string dir = test::MakeTempDir("events-cli");
  args.back() = "--ics";
  args.push_back(dir + "/events.ics");
  const CliRun ics = RunEventsArgs(args);
  ASSERT_EQ(ics.status, kExitOk) << ics.err;
  EXPECT_EQ(ics.out, std::to_string(lines) + " events written to " + dir + "/events.ics\n");
  const std::string written = test::ReadText(dir + "/events.ics");
  size_t events = 0;
  for (size_t at = 0; (at = written.find("BEGIN:VEVENT", at)) != std::string::npos; ++at) ++events;
  EXPECT_EQ(events, lines);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kairotex::cli
