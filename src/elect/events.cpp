#include "elect/events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "chart/angles.h"
#include "chart/chart_series.h"
#include "elect/moment.h"
#include "reports/moon_sign_aspects.h"

namespace kairotex {
namespace {

constexpr int kFirstBody = kSun, kLastBody = kMoon;  // the Sun, the planets to Pluto, the Moon
constexpr std::array<int, 8> kAspectAngles = {0, 60, 90, 120, 180, 240, 270, 300};

// What the coarse scan keeps of each chart.
struct Sample {
  std::array<double, kLastBody + 1> lon{};
  std::array<bool, kLastBody + 1> retrograde{};
  bool void_moon = false;
};

bool IsRetrograde(const ChartState& chart, int object) {
  return chart.RetroFlags[static_cast<size_t>(object - 1)] == 'R';
}

Sample SampleOf(const ChartState& chart) {
  Sample s;
  for (int i = kFirstBody; i <= kLastBody; ++i) {
    s.lon[static_cast<size_t>(i)] = chart.ObjectLon[static_cast<size_t>(i)];
    s.retrograde[static_cast<size_t>(i)] = IsRetrograde(chart, i);
  }
  s.void_moon = ComputeMoonSignAspects(chart).void_of_course;
  return s;
}

int SignOf(double lon) {
  return SplitLongitude(lon).sign;
}

// How far object a is past the exact aspect `angle` to object b, in degrees.
double PastAspect(double lon_a, double lon_b, int angle) {
  return Wrap180(lon_a - lon_b - angle);
}

// Casts the chart of any second at the range's place, one chart reused.
class MomentCaster {
 public:
  MomentCaster(const ElectionData& place, const ChartSettings& settings,
               const ChartContext& context)
      : place_(place), settings_(settings), context_(context) {
    settings_.ElectionsRunning = false;
    settings_.BuildHeading = false;
  }
  const ChartState& At(int64_t unix_seconds) {
    CalculateChart(chart_, ElectionAtUnixSeconds(place_, unix_seconds), settings_, context_);
    return chart_;
  }

 private:
  ElectionData place_;
  ChartSettings settings_;
  const ChartContext& context_;
  ChartState chart_;
};

// A state that flips between two scanned moments, to be timed to the second.
using ChartTest = std::function<bool(const ChartState&)>;

// The first second after `lo` (where `test` gives what it gives at lo) at
// which `test` gives the other answer, by bisection up to `hi`, where it does.
int64_t FirstSecondOfFlip(MomentCaster& caster, int64_t lo, int64_t hi, const ChartTest& test) {
  const bool old_answer = test(caster.At(lo));
  while (hi - lo > 1) {
    const int64_t mid = lo + (hi - lo) / 2;
    (test(caster.At(mid)) == old_answer ? lo : hi) = mid;
  }
  return hi;
}

struct Scan {
  std::vector<int64_t> times;
  std::vector<Sample> samples;
};

// The coarse scan: the series mode at whole-minute steps from the range's
// start, then the range's end itself when the steps miss it.
Scan ScanRange(const EventRange& range, const ChartSettings& settings, const ChartContext& context,
               MomentCaster& caster) {
  const int64_t step = 60LL * std::max(1, range.scan_minutes);
  const int64_t count = (range.to_unix - range.from_unix) / step + 1;
  Scan scan;
  scan.samples.resize(static_cast<size_t>(count));
  ChartSeries series;
  series.start = ElectionAtUnixSeconds(range.place_and_zone, range.from_unix);
  series.step_minutes = std::max(1, range.scan_minutes);
  series.count = count;
  const int64_t cast = CastChartSeries(series, settings, context, std::max(1, range.threads),
                                       [&scan](int64_t index, const ChartState& chart) {
                                         scan.samples[static_cast<size_t>(index)] = SampleOf(chart);
                                       });
  scan.samples.resize(static_cast<size_t>(cast));
  for (int64_t i = 0; i < cast; ++i) scan.times.push_back(range.from_unix + i * step);
  if (!scan.times.empty() && scan.times.back() < range.to_unix) {
    scan.times.push_back(range.to_unix);
    scan.samples.push_back(SampleOf(caster.At(range.to_unix)));
  }
  return scan;
}

void AddIngresses(const Scan& scan, size_t i, MomentCaster& caster,
                  std::vector<ChartEvent>& events) {
  const Sample &a = scan.samples[i - 1], &b = scan.samples[i];
  for (int object = kFirstBody; object <= kLastBody; ++object) {
    const auto o = static_cast<size_t>(object);
    if (SignOf(a.lon[o]) == SignOf(b.lon[o])) continue;
    const int old_sign = SignOf(a.lon[o]);
    ChartEvent e;
    e.kind = EventKind::kIngress;
    e.object = object;
    e.unix_seconds = FirstSecondOfFlip(
        caster, scan.times[i - 1], scan.times[i],
        [o, old_sign](const ChartState& c) { return SignOf(c.ObjectLon[o]) == old_sign; });
    e.sign = SignOf(caster.At(e.unix_seconds).ObjectLon[o]);
    e.end_unix = e.unix_seconds;
    events.push_back(e);
  }
}

void AddStations(const Scan& scan, size_t i, MomentCaster& caster,
                 std::vector<ChartEvent>& events) {
  const Sample &a = scan.samples[i - 1], &b = scan.samples[i];
  for (int object = kMercury; object <= kPluto; ++object) {
    const bool was = a.retrograde[static_cast<size_t>(object)];
    const bool now = b.retrograde[static_cast<size_t>(object)];
    if (was == now) continue;
    ChartEvent e;
    e.kind = now ? EventKind::kStationRetrograde : EventKind::kStationDirect;
    e.object = object;
    e.unix_seconds =
        FirstSecondOfFlip(caster, scan.times[i - 1], scan.times[i],
                          [object](const ChartState& c) { return IsRetrograde(c, object); });
    e.end_unix = e.unix_seconds;
    events.push_back(e);
  }
}

// The Moon is named first in her aspects, the others in object-number order.
void AddPerfections(const Scan& scan, size_t i, MomentCaster& caster,
                    std::vector<ChartEvent>& events) {
  const Sample &a = scan.samples[i - 1], &b = scan.samples[i];
  for (int p = kFirstBody; p <= kLastBody; ++p) {
    for (int q = p + 1; q <= kLastBody; ++q) {
      const int first = q == kMoon ? q : p, second = q == kMoon ? p : q;
      const auto f = static_cast<size_t>(first), s = static_cast<size_t>(second);
      for (const int angle : kAspectAngles) {
        const double before = PastAspect(a.lon[f], a.lon[s], angle);
        const double after = before + Wrap180(PastAspect(b.lon[f], b.lon[s], angle) - before);
        // A crossing of the exact aspect, not of the point opposite it.
        if ((before < 0) == (after < 0) || std::fabs(before) > 90.0) continue;
        ChartEvent e;
        e.kind = EventKind::kPerfection;
        e.object = first;
        e.other = second;
        e.aspect_degrees = angle <= 180 ? angle : 360 - angle;
        e.unix_seconds = FirstSecondOfFlip(
            caster, scan.times[i - 1], scan.times[i], [f, s, angle](const ChartState& c) {
              return PastAspect(c.ObjectLon[f], c.ObjectLon[s], angle) < 0;
            });
        e.end_unix = e.unix_seconds;
        events.push_back(e);
      }
    }
  }
}

// A void Moon carried from one block of the scan to the next.
struct VoidMoonTrack {
  bool started = false, in_void = false;
  int64_t last_time = 0;  // the last moment scanned
  ChartEvent open;
};

// A void Moon still open where the scan ended is cut there.
void CloseVoidMoon(VoidMoonTrack& track, std::vector<ChartEvent>& events) {
  if (!track.in_void) return;
  track.open.end_unix = track.last_time;
  track.open.ends_after_range = true;
  events.push_back(track.open);
  track.in_void = false;
}

// Void Moons from the flips of the reports' verdict; a span open at either
// end of the range is cut there.
void AddVoidMoons(const Scan& scan, bool last_block, MomentCaster& caster, VoidMoonTrack& track,
                  std::vector<ChartEvent>& events) {
  const ChartTest is_void = [](const ChartState& c) {
    return ComputeMoonSignAspects(c).void_of_course;
  };
  ChartEvent& open = track.open;
  if (!track.started) {
    track.started = true;
    open.kind = EventKind::kVoidOfCourse;
    open.object = kMoon;
    track.in_void = scan.samples.front().void_moon;
    if (track.in_void) {
      open.unix_seconds = scan.times.front();
      open.starts_before_range = true;
    }
  }
  for (size_t i = 1; i < scan.samples.size(); ++i) {
    if (scan.samples[i].void_moon == track.in_void) continue;
    const int64_t flip = FirstSecondOfFlip(caster, scan.times[i - 1], scan.times[i], is_void);
    track.in_void = !track.in_void;
    if (track.in_void) {
      open.unix_seconds = flip;
      open.starts_before_range = false;
    } else {
      open.end_unix = flip;
      events.push_back(open);
    }
  }
  track.last_time = scan.times.back();
  if (last_block) CloseVoidMoon(track, events);
}

}  // namespace

std::vector<ChartEvent> FindEvents(const EventRange& range, const ChartSettings& settings,
                                   const ChartContext& given_context) {
  std::vector<ChartEvent> events;
  if (range.to_unix <= range.from_unix) return events;
  const ChartContext context =
      ContextForScan(given_context, JulianDateOfUnixSeconds(range.from_unix),
                     JulianDateOfUnixSeconds(range.to_unix));
  MomentCaster caster(range.place_and_zone, settings, context);
  // The scan goes by blocks of a week, each starting where the last ended,
  // so that a long range keeps only a week of samples at a time.
  const int64_t step = 60LL * std::max(1, range.scan_minutes);
  const int64_t block = std::max<int64_t>(1, 7 * 86400 / step) * step;
  VoidMoonTrack track;
  for (int64_t from = range.from_unix; from < range.to_unix; from += block) {
    EventRange part = range;
    part.from_unix = from;
    part.to_unix = std::min(range.to_unix, from + block);
    const Scan scan = ScanRange(part, settings, context, caster);
    if (scan.samples.size() < 2) break;  // past the last chart year
    for (size_t i = 1; i < scan.samples.size(); ++i) {
      AddIngresses(scan, i, caster, events);
      AddStations(scan, i, caster, events);
      AddPerfections(scan, i, caster, events);
    }
    AddVoidMoons(scan, part.to_unix == range.to_unix, caster, track, events);
  }
  CloseVoidMoon(track, events);
  std::stable_sort(events.begin(), events.end(), [](const ChartEvent& a, const ChartEvent& b) {
    return a.unix_seconds < b.unix_seconds;
  });
  return events;
}

}  // namespace kairotex
