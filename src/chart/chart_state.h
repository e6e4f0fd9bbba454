// The chart state: the one description of the chart on screen, filled from
// scratch by CalculateChart and read by the drawing and the reports.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "chart/ephemeris_kind.h"

namespace kairotex {

inline constexpr int ObjectCount = 16;

// Stable object numbers; every per-object table is indexed 1..16.
enum Object : int {
  kSun = 1,
  kMercury = 2,
  kVenus = 3,
  kMars = 4,
  kJupiter = 5,
  kSaturn = 6,
  kUranus = 7,
  kNeptune = 8,
  kPluto = 9,
  kMoon = 10,
  kNorthNode = 11,
  kSouthNode = 12,
  kPartOfFortune = 13,
  kAscendant = 14,
  kMidheaven = 15,
  kChiron = 16,
};

using ObjectTable = std::array<double, ObjectCount + 1>;  // index 0 unused
using CuspTable = std::array<double, 14>;                 // index 0 unused, 13 carried along

// The house labels in wheel order ("10TH" first), four characters each.
inline constexpr const char* kHouseLabels = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";

// The moment and place the user entered, or the present moment of the clock.
struct ElectionData {
  int16_t Month = 1, Day = 1, Year = 2000;
  int16_t Hour = 12, Minute = 0;  // 12-hour clock, 1..12
  int16_t PmFlag = 0;             // 1 = P.M.
  int16_t LonDegrees = 0, LonMinutes = 0, LatDegrees = 0, LatMinutes = 0;
  int16_t WestFlag = 1;   // 1 = west, 0 = east
  int16_t SouthFlag = 0;  // 1 = south, 0 = north
  float Zone = 0;         // hours, positive west of Greenwich
  std::string Name;
  int16_t Second = 0;  // 0..59, for scans that refine a moment; not stored
};

struct ChartState {
  // Moment and place.
  int16_t ChartMonth = 0, ChartDay = 0, ChartYear = 0;
  float ChartTimeHMM = 0;   // 12-hour clock as hours.minutes
  int16_t ChartSecond = 0;  // seconds past ChartTimeHMM's minute, 0 but in scans
  std::string AmPm;         // "A.M." or "P.M."
  float ChartZone = 0;
  float ChartLongitude = 0;  // degrees.minutes, positive west
  float ChartLatitude = 0;   // degrees.minutes, positive north
  std::string LongitudeDir, LatitudeDir;
  std::string ChartDateText;
  std::string ChartTitle;

  // Per-object tables.
  ObjectTable ObjectPos{}, ObjectLon{}, ObjectLat{};
  ObjectTable HelioLonWork{}, ObjectHelioLon{};
  ObjectTable ObjectLonNextDay{}, ObjectLonTomorrow{}, ObjectDailyMotion{};
  ObjectTable DeclWork{}, ObjectDecl{};
  std::string RetroFlags = std::string(ObjectCount, ' ');
  std::string RetroFlagsSaved = std::string(ObjectCount, ' ');
  std::string HousePosText = InitialHousePosText();
  std::array<double, 16> DegreeOrder{};     // 1..15
  std::array<int, 16> DegreeOrderObject{};  // 1..15

  // Cusps.
  CuspTable CuspByHouse{}, CuspWheel{}, CuspComputed{};

  // Angles and time.
  double AscLon = 0, McLon = 0, Ramc = 0, NegObliquityRad = 0, ObliquityDeg = 0;
  double CenturiesT = 0, JulianDayNumber = 0, JulianDate = 0, DayFraction = 0;
  double MeanNode = 0, TrueNode = 0, SvpOffset = 0, AyanamsaOffset = 0, NutationLon = 0;
  int SiderealHours = 0, SiderealMinutes = 0, SiderealSeconds = 0;
  std::string SiderealTimeText;

  // Chart settings and flags.
  char HouseSystemLetter = 'P';
  bool DeclinationMode = false;
  int16_t NightChart = 0;
  int16_t InputError = 0;
  int16_t MoonAppliesFlag = 0;
  // Whether Chiron's tables covered the chart's date. When false, Chiron's
  // entries keep their zeros for old readers, but no drawing, list or report
  // may use them; ask ObjectAvailable. A chart filled by hand keeps Chiron.
  bool ChironAvailable = true;

  // The ephemeris the chart was cast with.
  EphemerisKind EphemerisUsed = EphemerisKind::kProgram;

  std::array<std::string, 8> ChartHeading{};       // lines 1..7
  std::array<std::string, 17> ObjectNamePadded{};  // nine characters, 1..16

  // Path of the orb file that aspect classification reads; every chart resets it.
  std::string CurrentOrbFile;

  static std::string InitialHousePosText() {
    return std::string(130, ' ') + "---- --------- -----" + std::string(10, ' ');
  }
};

// Whether object 1..16 has a position in this chart: every object but Chiron
// always has one, Chiron only inside its tables.
inline bool ObjectAvailable(const ChartState& state, int object) {
  if (object < 1 || object > ObjectCount) return false;
  return object != kChiron || state.ChironAvailable;
}

// Whole house number (1..12) of object i from HousePosText; 0 if unplaced.
int HouseOfObject(const ChartState& state, int object);

}  // namespace kairotex
