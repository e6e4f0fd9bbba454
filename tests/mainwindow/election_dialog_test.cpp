// The election data dialog's rules without the window: the hour box, the
// zone sign, the typed texts as an entry, storing, and the "+"/"-" step of
// the angle display against full charts.
#include <gtest/gtest.h>

#include <tuple>

#include "chart/angles.h"
#include "mainwindow/chart_commands.h"
#include "mainwindow/election_dialog_core.h"
#include "program_copy.h"

namespace kairotex {
namespace {

TEST(ElectionFields, HourBoxRules) {
  struct Case {
    const char* typed;
    const char* shown;
    bool pm, select_all;
    const char* message;  // nullptr: none
  };
  const char* const kEmpty = "Please fill in a value for birth hour.";
  const char* const kFast = "You are typing too fast. Please slow down.";
  // "25" is "13" after the first pass, and the rule runs again.
  // clang-format off
  const Case cases[] = {
      {"5", "5", false, false, nullptr}, {"12", "12", false, false, nullptr},
      {"0", "12", false, false, nullptr}, {"00", "12", false, false, nullptr},
      {"13", "1", true, false, nullptr}, {"23", "11", true, false, nullptr},
      {"24", "12", true, false, nullptr}, {"25", "1", true, false, nullptr},
      {"", "", false, false, kEmpty}, {"1a", "1a", false, true, kFast},
      {"99999", "99999", false, true, kFast}};
  // clang-format on
  for (const Case& c : cases) {
    test::RecordingMessages messages;
    const HourFieldChange change = ApplyHourFieldRule(c.typed, messages);
    EXPECT_EQ(change.text, c.shown) << c.typed;
    EXPECT_EQ(change.select_pm, c.pm) << c.typed;
    EXPECT_EQ(change.select_all, c.select_all) << c.typed;
    if (c.message == nullptr) {
      EXPECT_TRUE(messages.texts.empty()) << c.typed;
    } else {
      ASSERT_EQ(messages.all.size(), 1u) << c.typed;
      EXPECT_EQ(messages.all[0].text, c.message);
      EXPECT_EQ(messages.all[0].title, "Warning!");
      EXPECT_EQ(messages.all[0].icon, MessageIcon::kInformation);
    }
  }
}

TEST(ElectionFields, ZoneSignFollowsTheLongitudeDirection) {
  struct Case {
    const char* zone;
    bool west;
    const char* shown;
  };
  const Case cases[] = {{"5", false, "-5"},      {"-5", true, "5"},      {"5", true, "5"},
                        {"-3.5", false, "-3.5"}, {"3.5", false, "-3.5"}, {"", true, "0"},
                        {"-0", false, "0"},      {"-", true, "0"},       {"5.5.5", false, "-5.5"}};
  for (const Case& c : cases) EXPECT_EQ(ZoneTextForDirection(c.zone, c.west), c.shown) << c.zone;
}

TEST(ElectionFields, RecordShownAndStoredAgainIsUnchanged) {
  ElectionData record;
  record.Name = "Opening";
  record.Month = 3, record.Day = 31, record.Year = 1987, record.Hour = 7, record.Minute = 5;
  record.PmFlag = 1, record.Zone = -3.5f, record.LonDegrees = 51, record.LonMinutes = 25;
  record.WestFlag = 0, record.LatDegrees = 35, record.LatMinutes = 41, record.SouthFlag = 1;
  const ElectionFields fields = FieldsFromRecord(record);
  EXPECT_EQ(fields.zone, "-3.5");
  EXPECT_EQ(fields.minute, "5");
  EXPECT_TRUE(fields.pm && !fields.west && fields.south);

  test::SettableClock clock{{2026, 12, 7, 10, 30, 0}, 5};
  test::RecordingMessages messages;
  ProgramContext context{clock, messages};
  ASSERT_TRUE(StoreElectionFields(context, fields));
  EXPECT_EQ(context.chart.InputError, 0);
  const ElectionData& stored = context.election;
  EXPECT_EQ(std::tie(stored.Name, stored.Day, stored.Minute, stored.PmFlag, stored.Zone),
            std::tie(record.Name, record.Day, record.Minute, record.PmFlag, record.Zone));
  EXPECT_EQ(std::tie(stored.WestFlag, stored.LatMinutes, stored.SouthFlag),
            std::tie(record.WestFlag, record.LatMinutes, record.SouthFlag));
  EXPECT_TRUE(messages.texts.empty());
}

TEST(ElectionFields, RefusedFieldsLeaveTheRecord) {
  test::SettableClock clock{{2026, 12, 7, 10, 30, 0}, 5};
  test::RecordingMessages messages;
  ProgramContext context{clock, messages};
  context.election.Name = "Kept";
  ElectionFields fields = FieldsFromRecord(context.election);
  fields.event = "Lost";
  fields.zone = "-";  // only pasting makes this: read as a missing zone
  EXPECT_FALSE(StoreElectionFields(context, fields));
  EXPECT_EQ(context.chart.InputError, 1);
  EXPECT_EQ(context.election.Name, "Kept");
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Error in election data. Please correct.");
  EXPECT_FALSE(EntryFromFields(fields).zone.has_value());
  fields.month = "";
  EXPECT_FALSE(EntryFromFields(fields).month.has_value());
}

// A chart of New York (73w59, 40n45) cast from the record, clock stopped.
class ElectionAngles : public test::ProgramCopy {
 protected:
  void SetUp() override {
    ProgramCopy::SetUp();
    Start();
    OpenElectionDialog(context);  // stops the clock
    RecastChart(context);
  }
};

TEST_F(ElectionAngles, OpeningShowsTheChartsAnglesAndClockTime) {
  EXPECT_FALSE(context.checks.ElectionsRunning);
  const DialogAngles a = ShowDialogAngles(context.chart);
  EXPECT_EQ(a.time_text, "10:30 AM");
  const SplitLon mc = SplitLongitude(context.chart.McLon);
  EXPECT_EQ(a.mc_text.substr(3, 3), SignAbbreviation(mc.sign));
  EXPECT_EQ(std::stoi(a.mc_text.substr(0, 2)), mc.degree);
}

TEST_F(ElectionAngles, FourPlusStepsMoveTheMidheavenOneDegreeAndTheClockFourMinutes) {
  DialogAngles a = ShowDialogAngles(context.chart);
  const double start = a.mc;
  for (int i = 0; i < 4; ++i) StepAngles(a, context.chart, +1);
  EXPECT_NEAR(ShorterArc(a.mc, start), 1.0, 1e-9);
  EXPECT_EQ(a.time_text, "10:34 AM");
  for (int i = 0; i < 4; ++i) StepAngles(a, context.chart, -1);
  EXPECT_NEAR(ShorterArc(a.mc, start), 0.0, 1e-9);
  EXPECT_EQ(a.time_text, "10:30 AM");
}

// The stepped angles are those of the chart cast at the clock time found
// (the quarter degree of Midheaven is not exactly one clock minute, so the
// two drift apart over many steps).
TEST_F(ElectionAngles, SteppedAscendantAgreesWithAFullChartAtTheFoundTime) {
  DialogAngles a = ShowDialogAngles(context.chart);
  StepAngles(a, context.chart, -1);
  ASSERT_EQ(a.time_text, "10:29 AM");
  context.election.Minute = 29;
  RecastChart(context);
  EXPECT_NEAR(ShorterArc(a.asc, context.chart.AscLon), 0.0, 1.0 / 60.0);
  EXPECT_NEAR(ShorterArc(a.mc, context.chart.McLon), 0.0, 1.0 / 60.0);
}

TEST_F(ElectionAngles, SearchFindsNoMinuteForTheSameMidheavenAndWrapsAtAries) {
  const ChartState& c = context.chart;
  const double lon_west = DegMinToDecimal(c.ChartLongitude);
  EXPECT_EQ(FindStepMinutes(c.CenturiesT, c.DayFraction, lon_west, c.ObliquityDeg, c.McLon, +1), 0);
  // A place where the RAMC is 359.9 degrees now: the Midheaven is about
  // 359.89 now and 0.16 a minute later, so 0 Aries is nearest now.
  const double gst = RadToDeg(c.Ramc) + lon_west;
  EXPECT_EQ(FindStepMinutes(c.CenturiesT, c.DayFraction, gst + 0.1, c.ObliquityDeg, 0.0, +1), 0);
  EXPECT_EQ(FindStepMinutes(c.CenturiesT, c.DayFraction, gst + 0.1, c.ObliquityDeg, 0.2, +1), 1);
}

}  // namespace
}  // namespace kairotex
