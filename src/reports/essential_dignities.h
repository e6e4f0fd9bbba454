// Essential dignities of the seven traditional planets: who rules a sign or a
// degree, and how many dignity points a planet holds at a longitude.
// Planets are chart object numbers: 1 Sun, 2 Mercury, 3 Venus, 4 Mars,
// 5 Jupiter, 6 Saturn, 10 Moon; 0 means "no planet".
#pragma once

namespace kairotex {

// Sign number 1 (Aries) .. 12 (Pisces) of a longitude in degrees; the
// longitude is first brought into [0, 360).
int SignOfLongitude(double lon);

// Per-sign rulers; a sign outside 1..12 gives 0.
int DomicileRuler(int sign);
int ExaltationRuler(int sign);  // 0 when the sign exalts no planet
int TriplicityRuler(int sign, bool night);
int DetrimentPlanet(int sign);  // the planet in its detriment in the sign
int FallPlanet(int sign);       // the planet in its fall in the sign, or 0

// Per-degree rulers, by absolute longitude in degrees (any value; it is
// brought into [0, 360) first).
int TermRuler(double lon);
int FaceRuler(double lon);

// Domicile 5 + exaltation 4 + triplicity 3 (day or night ruler) + term 2 +
// face 1, counting each dignity that the planet itself holds at lon.
int EssentialDignityScore(int planet, double lon, bool night);

}  // namespace kairotex
