// The present moment at the default place, and the checks of the running clock.
#include <cmath>

#include "chart/calculate_chart.h"

namespace kairotex {

// The present instant from the system clock as universal time, told as the
// clock of the option-18 zone shows it, whatever zone the computer keeps.
void SetChartToNow(ElectionData& e, const OptionsTable& o, const Clock& clock) {
  const LocalDateTime now = PresentMomentInZone(clock, o[18]);
  e.Name = "Now";
  e.Month = static_cast<int16_t>(now.month);
  e.Day = static_cast<int16_t>(now.day);
  e.Year = static_cast<int16_t>(now.year);
  e.Hour = static_cast<int16_t>(TwelveHourClockHour(now.hour));
  e.Minute = static_cast<int16_t>(now.minute);
  e.PmFlag = now.hour >= 12 ? 1 : 0;
  e.Zone = o[18];
  e.LonDegrees = static_cast<int16_t>(std::nearbyint(o[19]));
  e.LonMinutes = static_cast<int16_t>(std::nearbyint(o[20]));
  e.WestFlag = o[21] == 0.0f ? 1 : 0;
  e.LatDegrees = static_cast<int16_t>(std::nearbyint(o[22]));
  e.LatMinutes = static_cast<int16_t>(std::nearbyint(o[23]));
  e.SouthFlag = o[24] == 0.0f ? 0 : 1;
}

void CheckNowLatitude(ChartState& s, const ChartSettings& settings, const OptionsTable& o,
                      MessageSink& messages) {
  if (settings.MeridianOrMorinus()) return;
  if (o[22] > 66.0f || (o[22] == 66.0f && o[23] > 0.0f)) {
    s.InputError = 1;
    messages.ShowMessage(kLatitudeTooHighMessage, kWarningTitle, MessageIcon::kInformation);
  }
}

void CheckNowOptions(ChartState& s, const OptionsTable& o, MessageSink& messages) {
  const bool failures[] = {o[18] < -13.0f || o[18] > 12.0f, o[19] > 180.0f || o[20] > 59.0f,
                           o[23] > 59.0f};
  for (bool failed : failures) {
    if (!failed) continue;
    s.InputError = 1;
    messages.ShowMessage(kNatalInputErrorMessage, kWarningTitle, MessageIcon::kInformation);
  }
}

}  // namespace kairotex
