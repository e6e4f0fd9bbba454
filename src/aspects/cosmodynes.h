// Cosmodynes: how much power each planet, sign and house of a chart has, and
// how harmonious or discordant it is. Power comes from house position and
// from aspects and parallels; harmony and discord from the kind of aspect,
// the planets taking part, mutual receptions and the sign a planet is in.
//
// The facts are plain data; the report writes them as text.
#pragma once

#include <array>
#include <cstdint>

#include "aspects/cosmodynes_tables.h"
#include "chart/chart_state.h"

namespace kairotex {

// Power, harmony and discord of one sign or house.
struct DynesTotals {
  double power = 0;
  double harmony = 0;
  double discord = 0;
  double NetHarmony() const { return harmony - discord; }
};

// Power and net harmony of a group of signs or houses.
struct DynesSum {
  double power = 0;
  double net_harmony = 0;
};

// Pairs of objects 1..15: cell (i, j) with i < j holds the power of the
// pair, with i > j its net harmony. 32-bit cells, as the grid has always been.
using DynesGrid = std::array<std::array<float, 16>, 16>;

// The twelve objects that take part, in table order; the nodes, the Part of
// Fortune and Chiron do not.
inline constexpr std::array<int, 12> kDynesObjects = {kSun,     kMercury, kVenus,     kMars,
                                                      kJupiter, kSaturn,  kUranus,    kNeptune,
                                                      kPluto,   kMoon,    kAscendant, kMidheaven};

struct CosmodynesFacts {
  // Houses 1..12 (index 0 unused): computed cusps in house order, and sizes.
  std::array<double, 13> house_cusp{};
  std::array<double, 13> house_size{};

  // Objects 1..15; entries 11..13 and 16 stay 0.
  ObjectTable house_power{};
  ObjectTable aspect_power{};
  ObjectTable total_power{};
  ObjectTable harmony{};
  ObjectTable discord{};

  DynesGrid grid{};

  // Signs 1..12 and houses 1..12.
  std::array<int16_t, 13> cusps_per_sign{};
  std::array<DynesTotals, 13> signs{};
  std::array<DynesTotals, 13> houses{};

  std::array<DynesSum, kDynesGroupCount> groups{};
  DynesSum south, north, east, west;

  double NetHarmony(int object) const { return harmony[object] - discord[object]; }
};

// Runs every step below, in order, on fresh facts.
CosmodynesFacts ComputeCosmodynes(const ChartState& chart);

// The steps. Each reads the chart and what the earlier steps left in the
// facts; receptions and sign dignities add to harmony and discord, the others
// set what they compute.
void ComputeDynesHouseSizes(const ChartState& chart, CosmodynesFacts& facts);
void ComputeHousePower(const ChartState& chart, CosmodynesFacts& facts);
void ComputeAspectDynes(const ChartState& chart, CosmodynesFacts& facts);
void ComputeTotalPower(CosmodynesFacts& facts);
void AddMutualReceptions(const ChartState& chart, CosmodynesFacts& facts);
void AddSignDignities(const ChartState& chart, CosmodynesFacts& facts);
void CountCuspsPerSign(const ChartState& chart, CosmodynesFacts& facts);
void ComputeSignTotals(const ChartState& chart, CosmodynesFacts& facts);
void ComputeHouseTotals(const ChartState& chart, CosmodynesFacts& facts);
void ComputeGroupTotals(CosmodynesFacts& facts);

// Sign 1..12 of a longitude. Longitudes come in [0, 360); anything else is
// folded into that range first, so that 360 is Aries and no table is indexed
// past its end.
int DynesSignOf(double longitude);

// House 1..12 of a planet from its house-position text; 0 when it has none.
int DynesHouseOf(const ChartState& chart, int object);

// Mean of a sign's rulers' total power, harmony and discord.
DynesTotals SignRulerValue(const CosmodynesFacts& facts, int sign);

}  // namespace kairotex
