// Linkage labels of the Magi report, composed from the linkage table.
#include "aspects/magi_aspects.h"
#include "aspects/magi_linkages.h"

namespace kairotex {
namespace {

const MagiLinkage* FindLinkage(int a, int b) {
  for (const MagiLinkage& linkage : kMagiLinkages) {
    if ((linkage.first == a && linkage.second == b) || (linkage.first == b && linkage.second == a))
      return &linkage;
  }
  return nullptr;
}

std::string LinkageLabel(const MagiLinkage& linkage, bool with_super) {
  std::string label(linkage.label);
  if (!with_super) return label;
  if (linkage.super == MagiSuper::kAndSuper) label += kMagiAndSuperText;
  if (linkage.super == MagiSuper::kSuperOnly) label += kMagiSuperLabel;
  return label;
}

bool HasSaturn(int a, int b) {
  return a == kSaturn || b == kSaturn;
}

}  // namespace

std::string MagiAspectLabels(int a, int b, AspectCode code) {
  std::string labels;
  const bool hard = code == kSquare || code == kOpposition || code == kQuincunx;
  if (hard && HasSaturn(a, b)) labels += kMagiSaturnClashLabel;
  // A quincunx keeps the pair's label but never makes it SUPER.
  const bool linking = code == kConjunction || code == kTrine || code == kQuincunx;
  const MagiLinkage* linkage = FindLinkage(a, b);
  if (linking && linkage != nullptr) labels += LinkageLabel(*linkage, code != kQuincunx);
  return labels;
}

std::string MagiParallelLabels(int a, int b) {
  std::string labels;
  if (const MagiLinkage* linkage = FindLinkage(a, b)) labels += LinkageLabel(*linkage, true);
  if (HasSaturn(a, b)) labels += kMagiSaturnClashLabel;
  return labels;
}

}  // namespace kairotex
