// The calculation driver: the whole chart state from scratch, in a fixed order.
#include "chart/calculate_chart.h"

#include <cmath>

#include "chart/angles.h"
#include "chart/house_systems.h"
#include "chart/planets.h"
#include "chart/program_theories.h"
#include "chart/time_angles.h"
#include "settings/name_tables.h"
#include "settings/program_dir.h"

namespace kairotex {
namespace {

// Degrees.minutes of an entered place as the 32-bit value the chart keeps.
float DegreesMinutes(double degrees, double minutes) {
  return static_cast<float>(degrees + minutes / 100.0);
}

// The record's 12-hour clock time as hours.minutes in 32 bits.
float ElectionTimeHMM(const ElectionData& e) {
  return static_cast<float>(e.Hour + e.Minute / 100.0);
}

void TakeElectionMoment(ChartState& s, const ElectionData& e, const RegionalFormat& regional) {
  s.ChartTitle = e.Name + " - election chart";
  s.ChartMonth = e.Month;
  s.ChartDay = e.Day;
  s.ChartYear = e.Year;
  s.ChartTimeHMM = ElectionTimeHMM(e);
  s.ChartSecond = e.Second;
  s.AmPm = e.PmFlag == 1 ? "P.M." : "A.M.";
  s.ChartDateText = RegionalDateText(regional, e.Month, e.Day, e.Year);
  s.ChartZone = e.Zone;
  s.ChartLongitude = DegreesMinutes(e.LonDegrees, e.LonMinutes);
  if (e.WestFlag == 0) s.ChartLongitude = -s.ChartLongitude;
  s.ChartLatitude = DegreesMinutes(e.LatDegrees, e.LatMinutes);
  if (e.SouthFlag == 1) s.ChartLatitude = -s.ChartLatitude;
}

void TakePresentMoment(ChartState& s, const ChartContext& c) {
  const double zone = c.clock.PresentZoneHoursWest(c.options[18]);
  const LocalDateTime now = PresentMomentInZone(c.clock, zone);
  s.ChartTitle = "Now";
  s.ChartMonth = static_cast<int16_t>(now.month);
  s.ChartDay = static_cast<int16_t>(now.day);
  s.ChartYear = static_cast<int16_t>(now.year);
  s.ChartTimeHMM = static_cast<float>(TwelveHourClockHour(now.hour) + now.minute / 100.0);
  s.ChartSecond = 0;
  s.AmPm = now.hour >= 12 ? "P.M." : "A.M.";
  s.ChartDateText = RegionalDateText(c.regional, now.month, now.day, now.year);
  const OptionsTable& o = c.options;
  s.ChartZone = static_cast<float>(zone);
  s.ChartLongitude = DegreesMinutes(o[19], o[20]);
  if (o[21] == -1.0f) s.ChartLongitude = -s.ChartLongitude;
  s.ChartLatitude = DegreesMinutes(o[22], o[23]);
  if (o[24] == -1.0f) s.ChartLatitude = -s.ChartLatitude;
}

void ApplyPartOfFortune(ChartState& s, const OptionsTable& o) {
  const double sun = s.ObjectPos[kSun], moon = s.ObjectPos[kMoon], asc = s.AscLon;
  const double day_formula = moon + asc - sun, night_formula = sun + asc - moon;
  double pof;
  if (o[31] == 0.0f) {
    pof = day_formula;
  } else if (o[31] == 1.0f) {
    pof = night_formula;
  } else {
    pof = s.NightChart == 1 ? night_formula : day_formula;
  }
  s.ObjectPos[kPartOfFortune] = Normalize360(pof);
}

void ApplyZodiac(ChartState& s, const OptionsTable& o) {
  const Zodiac zodiac = ZodiacOf(o);
  if (zodiac == Zodiac::kTropical) return;
  const double shift = zodiac == Zodiac::kSiderealSvp ? s.SvpOffset : -s.AyanamsaOffset;
  for (int k = 1; k <= 13; ++k) s.CuspComputed[k] = Normalize360(s.CuspComputed[k] + shift);
  for (int i = 1; i <= ObjectCount; ++i) s.ObjectLon[i] = Normalize360(s.ObjectLon[i] + shift);
  s.MeanNode = Normalize360(s.MeanNode + shift);
  s.TrueNode = Normalize360(s.TrueNode + shift);
}

void ApplyChartKind(ChartState& s, const ChartSettings& settings) {
  if (s.DeclinationMode) {
    for (int k = 1; k <= 12; ++k) s.CuspWheel[k] = kFixedCusps[k];
    // South declinations fill 0..180 degrees of the wheel, north 180..360,
    // six wheel degrees per degree of declination.
    for (int i = 1; i <= ObjectCount; ++i) {
      const double d = s.ObjectDecl[i];
      s.ObjectPos[i] = d < 0 ? 6.0 * std::fabs(d) : Normalize360(6.0 * d + 180.0);
    }
    s.RetroFlags = std::string(ObjectCount, ' ');
    s.HousePosText = std::string(160, ' ');
  } else if (settings.HelioChart) {
    for (int k = 1; k <= 12; ++k) s.CuspWheel[k] = kFixedCusps[k];
    s.ChartHeading[1] = s.ChartTitle + " - heliocentric";
    for (int i = 1; i <= ObjectCount; ++i) s.ObjectPos[i] = s.ObjectHelioLon[i];
    s.RetroFlags = s.RetroFlagsSaved;
  } else {
    for (int k = 1; k <= 13; ++k) s.CuspWheel[k] = s.CuspComputed[k];
    for (int i = 1; i <= ObjectCount; ++i) s.ObjectPos[i] = s.ObjectLon[i];
    s.RetroFlags = s.RetroFlagsSaved;
  }
}

// `what` is "this chart" or "the whole search".
void ShowPreciseUnavailable(const ChartContext& c, std::string_view what, const std::string& why) {
  c.messages.ShowMessage("Precise positions are not available for " + std::string(what) + ": " +
                             why + " It is cast with the program's own theories.",
                         kWarningTitle, MessageIcon::kExclamation);
}

// The frame, cusps and bodies from the chosen ephemeris; where it cannot serve
// the moment, the reason is shown and the program's theories cast the chart.
const Ephemeris& CastSky(ChartState& s, const Ephemeris& chosen, const Ephemeris& own,
                         const ChartContext& c, const KnownBodies& known) {
  std::string why;
  const Ephemeris* ephemeris = &chosen;
  if (!ephemeris->Covers(s.JulianDate, why)) {
    ShowPreciseUnavailable(c, "this chart", why);
    ephemeris = &own;
  }
  for (;;) {
    s.TrueNode = -100;
    ApplySiderealFrame(s, ephemeris->FrameAt(s));
    ComputeHouseCusps(s, c.elements.path);
    for (int k = 1; k <= 13; ++k) s.CuspComputed[k] = s.CuspWheel[k];
    if (ephemeris->FillBodies(s, known, why) || ephemeris == &own) break;
    ShowPreciseUnavailable(c, "this chart", why);
    ephemeris = &own;
  }
  s.EphemerisUsed = ephemeris->Kind();
  return *ephemeris;
}

}  // namespace

ChartSettings ChartSettings::ForHouseSystem(char letter) {
  ChartSettings settings;
  const size_t i = kHouseSystemLetters.find(letter);
  settings.HouseChecks.fill(false);
  settings.HouseChecks[i == std::string_view::npos ? 0 : i] = true;
  return settings;
}

ChartSettings ChartSettings::ForStartupOption(float option27) {
  const int item = static_cast<int>(option27);
  const bool known = static_cast<float>(item) == option27 && item >= 1 && item <= 8;
  return ForHouseSystem(kHouseSystemLetters[known ? item - 1 : 0]);
}

char HouseSystemLetterOf(const ChartSettings& settings) {
  for (size_t i = 1; i < kHouseSystemLetters.size(); ++i) {
    if (settings.HouseChecks[i]) return kHouseSystemLetters[i];
  }
  return 'P';
}

ChartClock ElectionClock(const ElectionData& e) {
  return ChartClockOf(ElectionTimeHMM(e), e.Second, e.PmFlag == 1, e.Zone, e.Year, e.Month, e.Day);
}

ChartContext ContextForScan(const ChartContext& c, double first, double last) {
  ChartContext scan = c;
  std::string why;
  if (c.ephemeris != nullptr &&
      (!c.ephemeris->Covers(first, why) || !c.ephemeris->Covers(last, why))) {
    ShowPreciseUnavailable(c, "the whole search", why);
    scan.ephemeris = nullptr;
  }
  return scan;
}

void CalculateChart(ChartState& s, const ElectionData& election, const ChartSettings& settings,
                    const ChartContext& c) {
  CalculateChart(s, election, settings, c, KnownBodies{});
}

void CalculateChart(ChartState& s, const ElectionData& election, const ChartSettings& settings,
                    const ChartContext& c, const KnownBodies& known) {
  const OptionsTable& o = c.options;
  s.ChartHeading.fill("");
  s.HouseSystemLetter = HouseSystemLetterOf(settings);
  for (int i = 1; i <= ObjectCount; ++i) s.ObjectNamePadded[i] = std::string(kObjectNamePadded[i]);

  if (settings.ElectionsRunning) {
    s.InputError = 0;
    const std::string options_path = ProgramPath(c.program_dir, "OPTIONS.OPT");
    CheckNowLatitude(s, settings, o, options_path, c.messages);
    CheckNowOptions(s, o, options_path, c.messages);
    if (s.InputError == 1) return;
    TakePresentMoment(s, c);
  } else {
    TakeElectionMoment(s, election, c.regional);
  }
  s.LongitudeDir = s.ChartLongitude >= 0 ? "WEST" : "EAST";
  s.LatitudeDir = s.ChartLatitude >= 0 ? "NORTH" : "SOUTH";

  ComputeChartMoment(s);
  const ProgramTheories own(c.elements, c.tables);
  const Ephemeris& ephemeris = CastSky(s, c.ephemeris != nullptr ? *c.ephemeris : own, own, c,
                                       settings.ElectionsRunning ? KnownBodies{} : known);
  FindHousePositions(s);
  s.NightChart = HouseOfObject(s, kSun) < 7 ? 1 : 0;
  ApplyPartOfFortune(s, o);
  ephemeris.FillChiron(s);
  s.MeanNode = s.ObjectPos[kNorthNode];
  ComputeAngleDeclinations(s);
  if (o[29] == 1.0f) {
    s.ObjectPos[kNorthNode] = s.TrueNode;
    s.ObjectPos[kSouthNode] = Normalize360(s.TrueNode + 180.0);
  }
  s.SvpOffset = Normalize360(s.SvpOffset);
  s.AyanamsaOffset = Normalize360(s.AyanamsaOffset);

  for (int i = 1; i <= ObjectCount; ++i) {
    s.ObjectLon[i] = s.ObjectPos[i];
    s.ObjectHelioLon[i] = s.HelioLonWork[i];
    double motion = s.ObjectLonNextDay[i] - s.ObjectPos[i];
    if (motion >= 180.0) motion -= 360.0;
    if (motion < -180.0) motion += 360.0;
    s.ObjectDailyMotion[i] = motion;
    s.ObjectLonTomorrow[i] = s.ObjectLonNextDay[i];
    s.ObjectDecl[i] = s.DeclWork[i];
  }
  s.RetroFlagsSaved = s.RetroFlags;
  ApplyZodiac(s, o);

  s.DeclinationMode = settings.DeclinationChart;
  if (settings.BuildHeading) {
    BuildChartHeading(s);
    if (s.DeclinationMode) s.ChartHeading[1] = s.ChartTitle + " - declinations";
  }
  s.CurrentOrbFile = ProgramPath(c.program_dir, "NATAL.ORB");

  ApplyChartKind(s, settings);
  FindHousePositions(s);
  if (!settings.HelioChart) SortByDegreeInSign(s, o);
}

}  // namespace kairotex
