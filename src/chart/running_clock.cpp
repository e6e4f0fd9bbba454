// The present moment at the default place, and the checks of the running clock.
#include <array>
#include <cmath>

#include "chart/calculate_chart.h"
#include "settings/text_formats.h"

namespace kairotex {

// The present instant from the system clock as universal time, told as the
// clock of the option-18 zone shows it (with its daylight saving when the
// computer keeps that zone), whatever zone the computer keeps.
void SetChartToNow(ElectionData& e, const OptionsTable& o, const Clock& clock) {
  const double zone = clock.PresentZoneHoursWest(o[18]);
  const LocalDateTime now = PresentMomentInZone(clock, zone);
  e.Name = "Now";
  e.Month = static_cast<int16_t>(now.month);
  e.Day = static_cast<int16_t>(now.day);
  e.Year = static_cast<int16_t>(now.year);
  e.Hour = static_cast<int16_t>(TwelveHourClockHour(now.hour));
  e.Minute = static_cast<int16_t>(now.minute);
  e.PmFlag = now.hour >= 12 ? 1 : 0;
  e.Zone = static_cast<float>(zone);
  e.LonDegrees = static_cast<int16_t>(std::nearbyint(o[19]));
  e.LonMinutes = static_cast<int16_t>(std::nearbyint(o[20]));
  e.WestFlag = o[21] == 0.0f ? 1 : 0;
  e.LatDegrees = static_cast<int16_t>(std::nearbyint(o[22]));
  e.LatMinutes = static_cast<int16_t>(std::nearbyint(o[23]));
  e.SouthFlag = o[24] == 0.0f ? 0 : 1;
}

namespace {

std::string OptionValue(const OptionsTable& o, int index) {
  return "option " + std::to_string(index) + " is " + CompactNumberText(o[index], kSingleDigits);
}

// The box names the file and the options at fault, as a user who never
// typed the place cannot tell otherwise where it came from.
void ShowNowOptionsError(std::string_view message, const std::string& options_path,
                         const std::string& detail, MessageSink& messages) {
  messages.ShowMessage(std::string(message) + " " + options_path + ": " + detail, kWarningTitle,
                       MessageIcon::kInformation);
}

}  // namespace

void CheckNowLatitude(ChartState& s, const ChartSettings& settings, const OptionsTable& o,
                      const std::string& options_path, MessageSink& messages) {
  if (settings.MeridianOrMorinus()) return;
  if (o[22] > 66.0f || (o[22] == 66.0f && o[23] > 0.0f)) {
    s.InputError = 1;
    ShowNowOptionsError(kLatitudeTooHighMessage, options_path,
                        "the latitude of options 22 and 23 is " +
                            CompactNumberText(o[22], kSingleDigits) + " degrees " +
                            CompactNumberText(o[23], kSingleDigits) + " minutes.",
                        messages);
  }
}

void CheckNowOptions(ChartState& s, const OptionsTable& o, const std::string& options_path,
                     MessageSink& messages) {
  struct Limit {
    int option;
    float low, high;
    const char* range;
  };
  using Group = std::array<Limit, 2>;
  // Zone; longitude degrees and minutes; latitude degrees and minutes. Each
  // group that fails shows one box, naming its first option out of range.
  static constexpr Group kGroups[] = {
      {{{18, -13.0f, 12.0f, "-13 to 12"}, {18, -13.0f, 12.0f, "-13 to 12"}}},
      {{{19, 0.0f, 180.0f, "0 to 180"}, {20, 0.0f, 59.0f, "0 to 59"}}},
      {{{22, 0.0f, 90.0f, "0 to 90"}, {23, 0.0f, 59.0f, "0 to 59"}}},
  };
  for (const Group& group : kGroups) {
    for (const Limit& limit : group) {
      if (o[limit.option] >= limit.low && o[limit.option] <= limit.high) continue;
      s.InputError = 1;
      ShowNowOptionsError(kNatalInputErrorMessage, options_path,
                          OptionValue(o, limit.option) + "; it must be " + limit.range + ".",
                          messages);
      break;
    }
  }
}

}  // namespace kairotex
