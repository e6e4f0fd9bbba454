// kairotex-cli elect: the refusals (exit 2 with the reason), the listing of
// the conditions, and the windows as text, JSON, CSV and iCalendar.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_run.h"
#include "elect/conditions.h"

namespace kairotex::cli {
namespace {

const std::vector<std::string> kNewYorkPlace = {"--lon", "73w59", "--lat", "40n45", "--zone", "5"};

CliRun RunElectArgs(std::vector<std::string> args) {
  args.insert(args.begin(), {"elect", "--data-dir", test::DataDir()});
  args.insert(args.end(), kNewYorkPlace.begin(), kNewYorkPlace.end());
  return RunCliArgs(args);
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(ElectCommand, RefusalsExitTwoWithTheReason) {
  const std::string dir = test::MakeTempDir("elect_presets");
  test::WriteText(dir + "/MY.PRE", "preset mine\nrequire moon-waxing\nprefer moon-fast two\n");
  const std::vector<std::string> day = {"--from", "2024-03-19", "--to", "2024-03-20"};
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--require", "moon-is-happy"}, "there is no condition \"moon-is-happy\""},
      {{"--prefer", "moon-waxing:0"}, "must be a number above 0"},
      {{"--step", "30s", "--require", "moon-waxing"}, "--step must be whole minutes"},
      {{"--preset", "marriage", "--require", "moon-waxing"}, "not both"},
      {{"--preset", "funeral"}, "holds no usable preset \"funeral\""},
      {{"--preset", "mine", "--presets", dir + "/MY.PRE"}, "MY.PRE, line 3: prefer needs"},
      {{}, "no condition was chosen"},
      {{"--json", "--csv", "--require", "moon-waxing"}, "one of --json, --csv and --ics"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = day;
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = RunElectArgs(args);
    EXPECT_EQ(run.status, kExitInputRefused) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  const struct {
    std::vector<std::string> args;
    const char* message;
  } ranges[] = {
      {{"--from", "2024-03-19", "--to", "2024-03-18", "--require", "moon-waxing"},
       "the range ends before it begins"},
      {{"--to", "2024-03-18", "--require", "moon-waxing"}, "elect needs --from and --to"},
  };
  for (const auto& c : ranges) {
    const CliRun run = RunElectArgs(c.args);
    EXPECT_EQ(run.status, kExitInputRefused) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(ElectCommand, ListsEveryCondition) {
  const CliRun run = RunCliArgs({"elect", "--list-conditions"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  for (const ConditionInfo& info : ConditionCatalog()) {
    EXPECT_NE(run.out.find(std::string(info.id) + "  " + std::string(info.name)), std::string::npos)
        << info.id;
  }
  EXPECT_EQ(Count(run.out, "    source: "), ConditionCatalog().size());
}

TEST(ElectCommand, WindowsAsTextJsonCsvAndIcs) {
  const std::vector<std::string> search = {
      "--from",    "2024-03-19",   "--to",     "2024-03-22T12:00",
      "--require", "moon-not-voc", "--prefer", "asc-in-signs=fixed:3",
      "--prefer",  "moon-fast",    "--top",    "4"};
  const CliRun text = RunElectArgs(search);
  ASSERT_EQ(text.status, kExitOk) << text.err;
  EXPECT_NE(text.out.find("The best moment, "), std::string::npos);
  EXPECT_NE(text.out.find("Tolerance:\n  Moon not void of course: "), std::string::npos);

  std::vector<std::string> args = search;
  args.push_back("--json");
  const CliRun json = RunElectArgs(args);
  ASSERT_EQ(json.status, kExitOk) << json.err;
  const nlohmann::json parsed = nlohmann::json::parse(json.out);
  const auto& windows = parsed["windows"];
  const size_t n = windows.size();
  ASSERT_GE(n, 1u);
  ASSERT_LE(n, 4u);
  for (size_t i = 0; i < windows.size(); ++i) {
    EXPECT_LT(windows[i]["start_unix"], windows[i]["end_unix"]);
    EXPECT_EQ(windows[i]["explanation"]["conditions"].size(), 3u);
    if (i) {
      EXPECT_GE(windows[i - 1]["score"], windows[i]["score"]);
    }
  }

  args.back() = "--csv";
  const CliRun csv = RunElectArgs(args);
  ASSERT_EQ(csv.status, kExitOk) << csv.err;
  EXPECT_EQ(csv.out.rfind("start,end,summary,description\r\n", 0), 0u);
  EXPECT_EQ(Count(csv.out, "Election: election, score "), n);

  const std::string ics = test::MakeTempDir("elect_ics") + "/windows.ics";
  args.back() = "--ics";
  args.push_back(ics);
  const CliRun written = RunElectArgs(args);
  ASSERT_EQ(written.status, kExitOk) << written.err;
  EXPECT_EQ(Count(test::ReadText(ics), "BEGIN:VEVENT"), n);
}

}  // namespace
}  // namespace kairotex::cli
