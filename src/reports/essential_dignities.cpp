#include "reports/essential_dignities.h"

#include <cmath>

#include "reports/essential_dignity_tables.h"

namespace kairotex {

namespace {

// Into [0, 360); a tiny negative value would otherwise round up to 360 itself.
double Into360(double lon) {
  const double reduced = lon - 360.0 * std::floor(lon / 360.0);
  return reduced >= 360.0 ? 0.0 : reduced;
}

bool ValidSign(int sign) {
  return sign >= 1 && sign <= dignity::kSignCount;
}

const dignity::SignRulers* RulersOf(int sign) {
  return ValidSign(sign) ? &dignity::kSignRulers[sign - 1] : nullptr;
}

}  // namespace

int SignOfLongitude(double lon) {
  return static_cast<int>(Into360(lon) / 30.0) + 1;
}

int DomicileRuler(int sign) {
  const auto* rulers = RulersOf(sign);
  return rulers ? rulers->domicile : dignity::kNone;
}

int ExaltationRuler(int sign) {
  const auto* rulers = RulersOf(sign);
  return rulers ? rulers->exaltation : dignity::kNone;
}

int TriplicityRuler(int sign, bool night) {
  const auto* rulers = RulersOf(sign);
  if (!rulers) return dignity::kNone;
  return night ? rulers->night_triplicity : rulers->day_triplicity;
}

int DetrimentPlanet(int sign) {
  const auto* rulers = RulersOf(sign);
  return rulers ? rulers->detriment : dignity::kNone;
}

int FallPlanet(int sign) {
  const auto* rulers = RulersOf(sign);
  return rulers ? rulers->fall : dignity::kNone;
}

int TermRuler(double lon) {
  const double l = Into360(lon);
  const auto& terms = dignity::kTerms[SignOfLongitude(l) - 1];
  int ruler = terms[0].ruler;
  for (const auto& term : terms) {
    if (l >= term.start) ruler = term.ruler;
  }
  return ruler;
}

int FaceRuler(double lon) {
  // Same as reducing by 70 until below 70: the order repeats every 7 faces.
  const int face = static_cast<int>(Into360(lon) / dignity::kFaceWidth);
  return dignity::kFaceOrder[face % dignity::kFaceOrder.size()];
}

int EssentialDignityScore(int planet, double lon, bool night) {
  if (planet == dignity::kNone) return 0;
  const int sign = SignOfLongitude(lon);
  int score = 0;
  if (DomicileRuler(sign) == planet) score += dignity::kDomicilePoints;
  if (ExaltationRuler(sign) == planet) score += dignity::kExaltationPoints;
  if (TriplicityRuler(sign, night) == planet) score += dignity::kTriplicityPoints;
  if (TermRuler(lon) == planet) score += dignity::kTermPoints;
  if (FaceRuler(lon) == planet) score += dignity::kFacePoints;
  return score;
}

}  // namespace kairotex
