// Which house each object stands in, as the house-position text.
#include <cstring>

#include "chart/angles.h"
#include "chart/calculate_chart.h"

namespace kairotex {

void FindHousePositions(ChartState& s) {
  if (s.HousePosText.size() != 160) s.HousePosText = ChartState::InitialHousePosText();
  char* text = s.HousePosText.data();
  for (int i = 1; i <= ObjectCount; ++i) {
    char* field = text + (i - 1) * 10;
    std::memcpy(field + 4, " HOUSE", 6);
    // A hair past the position so that an object on a cusp is in the house
    // that begins there; folded back below 360 so that it always finds a house.
    const double p = Normalize360(s.ObjectPos[i] + 1.0 / 36000.0);
    // The last house that holds the object wins, as the houses are searched in wheel order.
    for (int h = 12; h >= 1; --h) {
      const double c1 = s.CuspWheel[h];
      const double c2 = h == 12 ? s.CuspWheel[1] : s.CuspWheel[h + 1];
      const bool inside = c1 <= c2 ? (c1 <= p && p < c2) : (c1 <= p || p < c2);
      if (inside) {
        std::memcpy(field, kHouseLabels + (h - 1) * 4, 4);
        break;
      }
    }
  }
}

int HouseOfObject(const ChartState& s, int object) {
  const std::string field = s.HousePosText.substr(static_cast<size_t>(object) * 10 - 10, 2);
  int house = 0;
  for (char c : field) {
    if (c >= '0' && c <= '9') house = house * 10 + (c - '0');
  }
  return house;
}

}  // namespace kairotex
