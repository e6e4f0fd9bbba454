// The calculation driver: casts the whole chart from the election data or the
// present moment, in a fixed order, into the chart state.
#pragma once

#include <array>
#include <string>

#include "chart/chart_state.h"
#include "chart/data_files.h"
#include "chart/ephemeris.h"
#include "chart/planet_theory.h"
#include "chart/planets.h"
#include "chart/platform.h"
#include "settings/options.h"
#include "settings/regional_format.h"

namespace kairotex {

// The menu check marks the driver reads.
struct ChartSettings {
  // House-system items in menu order: Placidus, Regiomontanus, Koch, Campanus,
  // Porphyry, Equal, Meridian, Morinus.
  std::array<bool, 8> HouseChecks{true, false, false, false, false, false, false, false};
  bool ElectionsRunning = false;  // the running clock
  bool HelioChart = false;
  bool DeclinationChart = false;
  // The heading texts; a scan of many charts reads none of them.
  bool BuildHeading = true;

  // Settings with only the item of this letter checked ("P", "R", ... "I").
  static ChartSettings ForHouseSystem(char letter);
  // The item chosen by option 27 (1 Placidus .. 8 Morinus, others Placidus).
  static ChartSettings ForStartupOption(float option27);
  bool MeridianOrMorinus() const { return HouseChecks[6] || HouseChecks[7]; }
};

// The first checked of R, K, C, O, E, M, I wins; none checked gives "P".
char HouseSystemLetterOf(const ChartSettings& settings);

// What the driver reads besides the state: the program's tables and the platform.
struct ChartContext {
  const OptionsTable& options;
  const DataTables& tables;
  const OrbitalElements& elements;
  const RegionalFormat& regional;
  const Clock& clock;
  MessageSink& messages;
  std::string program_dir;
  // The precise ephemeris when chosen; null casts with the program's theories.
  const Ephemeris* ephemeris = nullptr;
};

// The fixed cusps of the heliocentric and declination wheels, wheel order.
inline constexpr std::array<double, 13> kFixedCusps = {0,  270, 300, 330, 0,   30, 60,
                                                       90, 120, 150, 180, 210, 240};

void CalculateChart(ChartState& state, const ElectionData& election, const ChartSettings& settings,
                    const ChartContext& context);
// The context for a scan of the moments from `first` to `last` (Julian dates
// of universal time): as given when its ephemeris serves them all; else the
// reason is shown once and the scan is cast with the program's theories.
ChartContext ContextForScan(const ChartContext& context, double first, double last);
// The same with the bodies a scan has already computed (never with the running clock).
void CalculateChart(ChartState& state, const ElectionData& election, const ChartSettings& settings,
                    const ChartContext& context, const KnownBodies& known);

// The engine's clock of an election record, as CalculateChart reads it.
ChartClock ElectionClock(const ElectionData& election);

// The present moment and the default place of options 18 to 24, named "Now".
void SetChartToNow(ElectionData& election, const OptionsTable& options, const Clock& clock);

// The running-clock checks of the default place in the options file; each
// sets state.InputError = 1 and shows its message, followed by the file and
// the option at fault, on failure.
void CheckNowLatitude(ChartState& state, const ChartSettings& settings, const OptionsTable& options,
                      const std::string& options_path, MessageSink& messages);
void CheckNowOptions(ChartState& state, const OptionsTable& options,
                     const std::string& options_path, MessageSink& messages);

// Steps of the driver that other parts call again.
void FindHousePositions(ChartState& state);
void ComputeAngleDeclinations(ChartState& state);
void BuildChartHeading(ChartState& state);
void SortByDegreeInSign(ChartState& state, const OptionsTable& options);

}  // namespace kairotex
