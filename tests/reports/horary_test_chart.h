// Hand-built charts for the horary basics tests: the chart-state fields the
// report reads, set directly, nothing calculated. Houses are equal houses
// from the Ascendant unless a test sets a house or a cusp itself.
#pragma once

#include <cmath>
#include <string>

#include "chart/chart_state.h"
#include "settings/name_tables.h"
#include "settings/options.h"

namespace kairotex::test {

struct HoraryTestChart {
  ChartState chart;
  OptionsTable options;

  // Every object at 0 Aries, standing still and direct, with the names the
  // driver fills; all options 0 until a test gives one.
  explicit HoraryTestChart(double ascendant = 0.0) {
    for (int i = 1; i <= ObjectCount; ++i) {
      chart.ObjectNamePadded[i] = std::string(kObjectNamePadded[i]);
    }
    EqualHouses(ascendant);
  }

  // Cusps 30 degrees apart from the Ascendant, in both cusp tables; every
  // object is placed in its house again.
  HoraryTestChart& EqualHouses(double ascendant) {
    ascendant_ = ascendant;
    for (int house = 1; house <= 12; ++house) {
      const double cusp = std::fmod(ascendant + 30.0 * (house - 1), 360.0);
      chart.CuspComputed[WheelIndex(house)] = cusp;
      chart.CuspWheel[WheelIndex(house)] = cusp;
    }
    for (int i = 1; i <= ObjectCount; ++i) PlaceInEqualHouse(i);
    return *this;
  }

  // Longitude and daily motion; the house follows from the equal houses.
  HoraryTestChart& Put(int object, double lon, double daily_motion = 0.0) {
    chart.ObjectLon[object] = lon;
    chart.ObjectDailyMotion[object] = daily_motion;
    PlaceInEqualHouse(object);
    return *this;
  }

  // The house label of the house-position text, whatever the longitude.
  HoraryTestChart& House(int object, int house) {
    const std::string label = std::string(kHouseLabels).substr((WheelIndex(house) - 1) * 4, 4);
    chart.HousePosText.replace((object - 1) * 10, 10, label + " HOUSE");
    return *this;
  }

  HoraryTestChart& Cusp(int wheel_index, double lon) {
    chart.CuspComputed[wheel_index] = lon;
    chart.CuspWheel[wheel_index] = lon;
    return *this;
  }

  HoraryTestChart& Retrograde(int object) {
    chart.RetroFlags[object - 1] = 'R';
    return *this;
  }

  HoraryTestChart& Option(int index, float value) {
    options[index] = value;
    return *this;
  }

  // Sets the orb option of one of the planets 1..10.
  HoraryTestChart& Orb(int object, float orb) {
    static constexpr int kOrbOption[] = {0, 34, 36, 37, 38, 39, 40, 41, 42, 43, 35};
    options[kOrbOption[object]] = orb;
    return *this;
  }

  static int WheelIndex(int house) { return house <= 9 ? house + 3 : house - 9; }

 private:
  void PlaceInEqualHouse(int object) {
    double from_ascendant = std::fmod(chart.ObjectLon[object] - ascendant_, 360.0);
    if (from_ascendant < 0) from_ascendant += 360.0;
    House(object, static_cast<int>(from_ascendant / 30.0) + 1);
  }

  double ascendant_ = 0.0;
};

}  // namespace kairotex::test
