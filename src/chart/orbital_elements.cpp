#include "chart/orbital_element_tables.h"
#include "chart/planet_theory.h"

namespace kairotex {

OrbitalElements InitOrbitalElements() {
  OrbitalElements el{};
  el.inner[1] = planets::kInnerEarth;
  el.inner[2] = planets::kInnerMercury;
  el.inner[3] = planets::kInnerVenus;
  el.inner[4] = planets::kInnerMars;
  el.outer[1] = planets::kOuterEarth;
  el.outer[5] = planets::kOuterJupiter;
  el.outer[6] = planets::kOuterSaturn;
  el.outer[7] = planets::kOuterUranus;
  el.outer[8] = planets::kOuterNeptune;
  el.outer[9] = planets::kOuterPluto;
  el.path = FastestEnginePath();
  return el;
}

}  // namespace kairotex
