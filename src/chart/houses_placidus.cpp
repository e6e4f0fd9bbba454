// Placidus cusps by semi-arc iteration.
#include <cmath>

#include "chart/angles.h"
#include "chart/house_systems.h"

namespace kairotex {

double PlacidusCusp(double alpha0, double divisor, bool upper_side, const HouseFrame& frame) {
  // A latitude of exactly 0 would make the semi-arc undefined.
  const double latitude = frame.latitude == 0.0 ? 1e-05 : frame.latitude;
  const double f = upper_side ? -1.0 : 1.0;
  const double k = std::tan(frame.obliquity) * std::tan(latitude);
  double alpha = alpha0;
  for (int round = 0; round < 100; ++round) {
    double semi_arc = ArcCos(f * std::sin(alpha) * k);
    if (semi_arc < 0) semi_arc += kProgramPi;
    const double next =
        upper_side ? frame.ramc + semi_arc / divisor : frame.ramc + kProgramPi - semi_arc / divisor;
    const double change = std::fabs(next - alpha);
    alpha = next;
    if (change < 1e-10) break;
  }
  double c = std::atan(std::tan(alpha) / std::cos(frame.obliquity));
  if (c < 0) c += kProgramPi;
  if (std::sin(alpha) < 0) c += kProgramPi;
  return RadToDeg(c);
}

HouseCusps PlacidusHouses(const HouseFrame& frame) {
  HouseCusps c{};
  const double r = frame.ramc;
  c[4] = Normalize360(frame.mc + 180.0);
  c[1] = frame.asc;
  c[5] = PlacidusCusp(r + DegToRad(30.0), 3.0, true, frame) + 180.0;
  c[6] = PlacidusCusp(r + DegToRad(60.0), 1.5, true, frame) + 180.0;
  c[2] = PlacidusCusp(r + DegToRad(120.0), 1.5, false, frame);
  c[3] = PlacidusCusp(r + DegToRad(150.0), 3.0, false, frame);
  for (int k = 1; k <= 6; ++k) c[k] = Normalize360(c[k]);
  for (int k = 7; k <= 12; ++k) c[k] = Normalize360(c[k - 6] + 180.0);
  return c;
}

}  // namespace kairotex
