// The Magi Society linkage table: the pairs of objects whose aspects and
// parallels the Magi report marks, and the rules its labels follow.
#pragma once

#include <array>
#include <limits>
#include <string_view>

#include "aspects/aspect_codes.h"
#include "chart/chart_state.h"

namespace kairotex {

// The Magi report numbers the ten planets as the chart does and puts Chiron
// behind the Moon, in the North Node's place.
inline constexpr int kMagiChiron = 11;
inline constexpr int kMagiObjectCount = 11;

// How a pair is marked SUPER by a conjunction, a trine or a parallel.
enum class MagiSuper {
  kNever,
  kAndSuper,   // " AND SUPER" behind the pair's label
  kSuperOnly,  // the pair has no label of its own, only "   SUPER"
};

struct MagiLinkage {
  int first;  // Magi object numbers; a pair matches in either order
  int second;
  std::string_view label;  // may be empty (kSuperOnly pairs)
  MagiSuper super;
};

inline constexpr std::array<MagiLinkage, 20> kMagiLinkages = {{
    {kSun, kJupiter, "   fidelity", MagiSuper::kAndSuper},
    {kSun, kUranus, "", MagiSuper::kSuperOnly},
    {kSun, kNeptune, "", MagiSuper::kSuperOnly},
    {kSun, kPluto, "", MagiSuper::kSuperOnly},
    {kVenus, kPluto, "   sexual AND Golden linkage", MagiSuper::kAndSuper},
    {kMars, kPluto, "   sexual linkage", MagiSuper::kNever},
    {kVenus, kMars, "   sexual linkage", MagiSuper::kNever},
    {kSun, kVenus, "   cupid linkage", MagiSuper::kNever},
    {kSun, kMagiChiron, "   trust linkage", MagiSuper::kNever},
    {kVenus, kMagiChiron, "   MAGIcal AND Cinderella AND Golden linkage", MagiSuper::kAndSuper},
    {kVenus, kNeptune, "   romance AND Silver linkage", MagiSuper::kAndSuper},
    {kNeptune, kMagiChiron, "   lifetime AND Cinderella linkage", MagiSuper::kNever},
    {kJupiter, kMagiChiron, "   romance AND Cinderella AND Golden linkage", MagiSuper::kAndSuper},
    {kJupiter, kPluto, "   Golden linkage", MagiSuper::kAndSuper},
    {kPluto, kMagiChiron, "   Golden linkage", MagiSuper::kAndSuper},
    {kVenus, kUranus, "   Silver linkage", MagiSuper::kAndSuper},
    {kVenus, kJupiter, "   Silver linkage AND fidelity", MagiSuper::kAndSuper},
    {kJupiter, kUranus, "   Silver linkage", MagiSuper::kAndSuper},
    {kJupiter, kNeptune, "   Silver linkage", MagiSuper::kAndSuper},
    {kUranus, kPluto, "", MagiSuper::kSuperOnly},
}};

inline constexpr std::string_view kMagiAndSuperText = " AND SUPER";
inline constexpr std::string_view kMagiSuperLabel = "   SUPER";
inline constexpr std::string_view kMagiSaturnClashLabel = "   SATURN CLASH";

inline constexpr double kMagiOrb = 3.0;
inline constexpr double kMagiParallelOrb = 1.2;

// A separation window: a separation inside [low, high] (bounds included) is
// the aspect, its deviation measured from `angle`.
struct MagiAspectWindow {
  AspectCode code;
  double angle;
  double low;
  double high;
};

// Tried in this order, a later window that holds replacing an earlier one.
// The opposition has no upper bound and the conjunction no lower one, so
// separations that were never folded below 180 still meet one of them.
inline constexpr double kMagiUnbounded = std::numeric_limits<double>::infinity();
inline constexpr std::array<MagiAspectWindow, 5> kMagiAspectWindows = {{
    {kSquare, 90.0, 90.0 - kMagiOrb, 90.0 + kMagiOrb},
    {kTrine, 120.0, 120.0 - kMagiOrb, 120.0 + kMagiOrb},
    {kQuincunx, 150.0, 150.0 - kMagiOrb, 150.0 + kMagiOrb},
    {kOpposition, 180.0, 180.0 - kMagiOrb, kMagiUnbounded},
    {kConjunction, 0.0, -kMagiUnbounded, kMagiOrb},
}};

}  // namespace kairotex
