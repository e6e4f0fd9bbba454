// The declination chart's layout.
//
// Glyphs and values are boxes. A glyph's box stands centred on its slot's ray
// as near the ring as it may; its value stands level with it on the wheel's
// outer side, or swings round it towards the outside where that place is
// taken. Every box keeps clear of the ring, of its sector's two spokes (as if
// they ran on outwards, so that sectors never share room), of the boxes laid
// out before it and of the drawing's edges; a value also stays nearer its own
// glyph than any other. Where nothing is free (a sector crowded beyond its
// room at the top or bottom of a small window), a box takes the place that
// overlaps least.
#include "chartview/declination_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "chart/angles.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

// The wheel angle counts six degrees per degree of declination, south from 0
// and north from 180 degrees, so each 30 degree sector spans five degrees of
// declination. The value shown is the declination itself; the half of the
// wheel tells north from south.
double DeclinationOfWheelAngle(double wheel_angle) {
  const double angle = Normalize360(wheel_angle);
  const double sector = std::floor(angle / 30.0);
  const double into_sector = angle - 30.0 * sector;
  const double sectors_into_half = std::fmod(sector, 6.0);
  return (30.0 * sectors_into_half + into_sector) / 6.0;
}

// One decimal, halves rounded up.
std::string OneDecimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", std::floor(value * 10.0 + 0.5) / 10.0);
  return text;
}

}  // namespace

std::string DeclinationValueText(const ChartState& chart, int object) {
  std::string text;
  const auto at = static_cast<size_t>(object - 1);
  if (at < chart.RetroFlags.size() && chart.RetroFlags[at] != ' ') text += chart.RetroFlags[at];
  return text + OneDecimal(DeclinationOfWheelAngle(chart.ObjectPos[object]));
}

namespace {

struct Size {
  double width = 0, height = 0;
};

// y grows upwards: bottom < top.
struct Box {
  double left = 0, bottom = 0, right = 0, top = 0;
};

Box BoxAround(Point centre, Size size) {
  return {centre.x - size.width / 2, centre.y - size.height / 2, centre.x + size.width / 2,
          centre.y + size.height / 2};
}

// Area two boxes share once they are grown by the gaps across and up; 0 when
// they keep the gaps.
double Overlap(const Box& a, const Box& b, double gap_across, double gap_up) {
  const double across = std::min(a.right, b.right) - std::max(a.left, b.left) + gap_across;
  const double up = std::min(a.top, b.top) - std::max(a.bottom, b.bottom) + gap_up;
  return across > 0 && up > 0 ? across * up : 0.0;
}

// Whether a box keeps the gap from the ring, measured where the ring is round
// (y undone by the spokes' factor).
bool ClearOfRing(const Box& box) {
  const double x = std::clamp(0.0, box.left, box.right);
  const double y = std::clamp(0.0, box.bottom, box.top) / kSpokeYFactor;
  constexpr double kNearest = kRadiusUnit + kDeclinationRingGap;
  return x * x + y * y >= kNearest * kNearest;
}

// The least distance out (x units) at which a box of this size, centred on
// the ray of this direction (cosine and sine), keeps the gap from the ring.
// Where the ring is round the box's nearest point to the centre is a corner,
// or a side when the box stands across an axis.
double NearestClearOfRing(Size size, double cosine, double sine) {
  const double a = size.width / 2, b = size.height / (2 * kSpokeYFactor);
  const double c = std::fabs(cosine), s = std::fabs(sine);
  constexpr double kRing = kRadiusUnit + kDeclinationRingGap;
  const double reach = a * c + b * s;
  const double corner = reach + std::sqrt(reach * reach - (a * a + b * b - kRing * kRing));
  if (corner * c < a) return (kRing + b) / s;
  if (corner * s < b) return (kRing + a) / c;
  return corner;
}

// A sector by the normals of its two spokes, pointing into it. A box outside
// the ring keeps clear of a spoke when all its corners stand far enough on
// the sector's side of the spoke's line; the line runs on past the spoke's
// drawn end, so that no value strays into the next sector, where it would be
// read as one of its own.
struct Sector {
  Point first, second;
};

Sector SectorFrom(double from) {
  const Point a = PointAt(from, 1.0, kSpokeYFactor);
  const Point b = PointAt(from + 30.0, 1.0, kSpokeYFactor);
  const double la = std::hypot(a.x, a.y), lb = std::hypot(b.x, b.y);
  return {{-a.y / la, a.x / la}, {b.y / lb, -b.x / lb}};
}

bool ClearOfSpokes(const Box& box, const Sector& sector) {
  for (const Point& n : {sector.first, sector.second}) {
    const double nearest =
        std::min(n.x * box.left, n.x * box.right) + std::min(n.y * box.bottom, n.y * box.top);
    if (nearest < kDeclinationSpokeGap) return false;
  }
  return true;
}

// The drawing's edges less the margin. Without an area the window's is
// assumed: 225 units above and below, and the width of a tall window.
Box UsableArea(const UserArea& area) {
  if (area.right > area.left && area.top > area.bottom) {
    return {area.left + kEdgeMargin, area.bottom + kEdgeMargin, area.right - kEdgeMargin,
            area.top - kEdgeMargin};
  }
  return {-kTallStartScale + kEdgeMargin, -kWideHalfHeight + kEdgeMargin,
          kTallStartScale - kEdgeMargin, kWideHalfHeight - kEdgeMargin};
}

bool Inside(const Box& box, const Box& area) {
  return box.left >= area.left && box.right <= area.right && box.bottom >= area.bottom &&
         box.top <= area.top;
}

struct Item {
  int object = 0;
  double slot_angle = 0;
  Sector sector;
  Size glyph_size;
  // The value's digits fill the ascent of its line; the descent below them
  // stays empty, so values and glyphs may come that close.
  Size value_size;
  double value_line_height = 0;
  std::string value;
  Point glyph_centre, value_centre;
};

// The spoke angle a sector begins at.
double SectorStart(double angle) {
  return 30.0 * std::floor(Normalize360(angle) / 30.0);
}

Item ItemAt(int object, double slot_angle) {
  Item item;
  item.object = object;
  item.slot_angle = slot_angle;
  item.sector = SectorFrom(SectorStart(slot_angle));
  return item;
}

// The boxes laid out so far; values keep a wider gap from each other so that
// two of them on one line do not read as one number.
struct Taken {
  Box box;
  bool value = false;
};

double Gap(const Box& a, const Box& b) {
  const double across = std::max({0.0, a.left - b.right, b.left - a.right});
  const double up = std::max({0.0, a.bottom - b.top, b.bottom - a.top});
  return std::hypot(across, up);
}

// Whether a box may stand here at all: inside the drawing, clear of the ring
// and of its sector's spokes.
bool Allowed(const Box& box, const Sector& sector, const Box& area) {
  return Inside(box, area) && ClearOfRing(box) && ClearOfSpokes(box, sector);
}

double OverlapWithTaken(const Box& box, bool value, const std::vector<Taken>& taken) {
  double overlap = 0;
  for (const Taken& other : taken) {
    const double across = value && other.value ? kDeclinationValueGap : kDeclinationBoxGap;
    overlap += Overlap(box, other.box, across, kDeclinationBoxGap);
  }
  return overlap;
}

// A candidate place: free ones first, then the cheaper; when none is free,
// the one that overlaps least.
struct Choice {
  Point centre;
  int rank = std::numeric_limits<int>::max();  // 0 free and clear, 1 free, 2 overlapping
  double overlap = 0, cost = 0;

  bool Better(int r, double o, double c) const {
    if (r != rank) return r < rank;
    if (r == 2 && o != overlap) return o < overlap;
    return c < cost;
  }
};

// The glyph stands on its slot's ray as near the ring as it is free to, or
// turned a little off the ray where that moves it less (next to a spoke);
// sideways and outward units cost alike.
Point PlaceGlyph(const Item& item, const std::vector<Taken>& taken, const Box& area) {
  constexpr double kStep = 0.25;
  constexpr double kFurthest = 60;  // units out from the ring
  struct Ray {
    double cost;  // of the turn
    Point along;  // a unit out along x
    double first;
  };
  // Straight out first, then turned ever further either way.
  std::vector<Ray> rays;
  const long turns = 2 * std::lround(kDeclinationGlyphTurn / kStep) + 1;
  for (long step = 0; step < turns; ++step) {
    const double turn = (step % 2 == 0 ? 1 : -1) * static_cast<double>((step + 1) / 2) * kStep;
    const double c = CosDeg(item.slot_angle + turn), s = SinDeg(item.slot_angle + turn);
    const double first = NearestClearOfRing(item.glyph_size, c, s) - kRadiusUnit;
    rays.push_back({std::fabs(turn) * kRadiusUnit * kProgramPi / 180.0,
                    {c, kSpokeYFactor * s},
                    std::ceil(first / kStep) * kStep});
  }
  Choice best;
  best.centre = PointAt(item.slot_angle, kRadiusUnit, kSpokeYFactor);
  // A first look at the nearest place on each ray finds a free one cheaply;
  // the full search then tries only places that would cost less.
  for (const bool first_look : {true, false}) {
    for (const Ray& ray : rays) {
      if (best.rank == 0 && ray.cost >= best.cost) break;
      for (double out = ray.first; out <= kFurthest; out += kStep) {
        const double cost = ray.cost + out;
        if (best.rank == 0 && cost >= best.cost) break;
        const double radius = kRadiusUnit + out;
        const Point centre{ray.along.x * radius, ray.along.y * radius};
        const Box box = BoxAround(centre, item.glyph_size);
        if (!Inside(box, area)) break;  // further out stays outside
        if (Allowed(box, item.sector, area)) {
          const double overlap = OverlapWithTaken(box, false, taken);
          const int rank = overlap > 0 ? 2 : 0;
          if (best.Better(rank, overlap, cost)) best = {centre, rank, overlap, cost};
        }
        if (first_look) break;
      }
    }
  }
  return best.centre;
}

// The value stands level with its glyph on the wheel's outer side (right on
// the right half, left on the left). Where that is taken, or as near another
// glyph as its own, it swings round its glyph towards the outside of the wheel
// and may step a little further off, to the nearest place that is free and
// nearer its own glyph than any other; so a crowded sector's values stack
// beyond their glyphs at the top and bottom and step beside them elsewhere.
Point PlaceValue(const Item& item, const std::vector<Item>& items, const std::vector<Taken>& taken,
                 const Box& area) {
  constexpr double kSwingStep = 5;     // degrees
  constexpr double kSwingCost = 0.05;  // units per degree
  constexpr double kStep = 0.5;
  constexpr double kReach = 12;  // units beyond the nearest clear place
  const Point g = item.glyph_centre;
  const Box own = BoxAround(g, item.glyph_size);
  const double outer = std::hypot(g.x, g.y);
  const double level = g.x >= 0 ? 0.0 : 180.0;
  // Half the sum of the two boxes' sides, and the gap, along x and y.
  const double reach_x = (item.glyph_size.width + item.value_size.width) / 2 + kDeclinationBoxGap;
  const double reach_y = (item.glyph_size.height + item.value_size.height) / 2 + kDeclinationBoxGap;
  Choice best;
  best.centre = {g.x + (level == 0 ? reach_x : -reach_x), g.y};
  for (double swing = 0; swing <= 180 && !(best.rank == 0 && kSwingCost * swing >= best.cost);
       swing += kSwingStep) {
    for (const double side : {1.0, -1.0}) {
      if (side < 0 && (swing == 0 || swing == 180)) continue;
      const double direction = level + side * swing;
      const double dx = CosDeg(direction), dy = SinDeg(direction);
      if (dx * g.x + dy * g.y < -1e-9 * outer) continue;  // towards the centre
      // The nearest distance along this direction that clears the glyph.
      double clear = std::numeric_limits<double>::max();
      if (std::fabs(dx) > 1e-9) clear = std::min(clear, reach_x / std::fabs(dx));
      if (std::fabs(dy) > 1e-9) clear = std::min(clear, reach_y / std::fabs(dy));
      for (double extra = 0; extra <= kReach; extra += kStep) {
        const double cost = extra + kSwingCost * swing;
        if (best.rank == 0 && cost >= best.cost) break;
        const Point centre{g.x + (clear + extra) * dx, g.y + (clear + extra) * dy};
        const Box box = BoxAround(centre, item.value_size);
        Box line = box;
        line.bottom = line.top - item.value_line_height;
        if (!Allowed(box, item.sector, area) || !Inside(line, area)) continue;
        const double overlap = OverlapWithTaken(box, true, taken);
        int rank = 2;
        if (overlap == 0) {
          const double mine = Gap(box, own);
          rank = 0;
          for (const Item& other : items) {
            if (other.object == item.object) continue;
            const Box theirs = BoxAround(other.glyph_centre, other.glyph_size);
            if (Gap(box, theirs) < mine + kDeclinationNearer) rank = 1;
          }
        }
        if (best.Better(rank, overlap, cost)) best = {centre, rank, overlap, cost};
      }
    }
  }
  return best.centre;
}

// One sector's objects with their boxes, laid out from its first slot on.
void LayOutSector(const WheelPaint& paint, const GlyphBoxes& boxes, std::vector<Item>& items) {
  const WheelProfile& p = paint.profile;
  paint.UseFont(p.planet_glyph_size);
  for (Item& item : items) {
    const TextExtent extent = paint.surface.MeasureText(Glyph(paint.ObjectGlyphCode(item.object)));
    item.glyph_size = {std::max<double>(boxes.planet_width, extent.width),
                       std::max<double>(boxes.planet_height, std::fabs(extent.height))};
  }
  paint.UseFont(p.planet_degree_size);
  for (Item& item : items) {
    item.value = DeclinationValueText(paint.chart, item.object);
    const TextExtent extent = paint.surface.MeasureText(item.value);
    item.value_line_height = std::fabs(extent.height);
    item.value_size = {extent.width, kAscentShare * item.value_line_height};
  }
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return Normalize360(a.slot_angle) < Normalize360(b.slot_angle);
  });

  // Glyphs first, so that every value can keep clear of all of them.
  const Box area = UsableArea(paint.area);
  std::vector<Taken> taken;
  for (Item& item : items) {
    item.glyph_centre = PlaceGlyph(item, taken, area);
    taken.push_back({BoxAround(item.glyph_centre, item.glyph_size), false});
  }
  // Values from the wheel's horizontal outwards: a value that has to dodge the
  // next glyph then moves away from the horizontal, where no value stands yet.
  std::vector<size_t> order(items.size());
  for (size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(), [&items](size_t a, size_t b) {
    return std::fabs(items[a].glyph_centre.y) < std::fabs(items[b].glyph_centre.y);
  });
  for (const size_t k : order) {
    Item& item = items[k];
    item.value_centre = PlaceValue(item, items, taken, area);
    taken.push_back({BoxAround(item.value_centre, item.value_size), true});
  }
}

}  // namespace

std::vector<DeclinationMark> LayOutDeclinations(const WheelPaint& paint, const GlyphBoxes& boxes,
                                                const Placement& placement) {
  // The spokes keep the sectors apart, so each sector is laid out on its own.
  std::vector<DeclinationMark> marks;
  for (int sector = 0; sector < 12; ++sector) {
    std::vector<Item> items;
    for (int k = 0; k < placement.count; ++k) {
      const PlacedObject& placed = placement.placed[k];
      if (SectorStart(placed.angle) == 30.0 * sector) {
        items.push_back(ItemAt(placed.object, placed.angle));
      }
    }
    if (items.empty()) continue;
    LayOutSector(paint, boxes, items);
    for (const Item& item : items) {
      marks.push_back({.object = item.object,
                       .value = item.value,
                       .glyph_centre = item.glyph_centre,
                       .value_centre = item.value_centre,
                       .glyph_height = item.glyph_size.height,
                       .value_width = item.value_size.width,
                       .value_height = item.value_size.height});
    }
  }
  return marks;
}

}  // namespace kairotex::wheel
