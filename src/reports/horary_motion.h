// A planet's motion as the dignity table judges it: its speed against its
// mean daily motion, its daily rate, and its orientation to the Sun.
#pragma once

#include <string_view>

namespace kairotex {

enum class SpeedWord { kAverage, kFast, kSlow, kStationary };

// "AVG.", "FAST", "SLOW", "stat".
std::string_view SpeedWordText(SpeedWord word);

// By the absolute daily motion: stationary below half a minute of arc a day,
// else fast or slow against the planet's mean motion (equal is average).
SpeedWord SpeedOf(int object, double daily_motion);

// The absolute daily motion in whole degrees and rounded minutes. The minutes
// are rounded on their own and never carried, so 0.9999 reads 0d 60m.
struct MotionRate {
  int degrees = 0;
  int minutes = 0;
};
MotionRate RateOf(double daily_motion);

// Oriental when the planet rises before the Sun (the Sun is up to 180 degrees
// ahead of it in the zodiac); the Sun itself counts as oriental.
enum class Orientation { kOriental, kOccidental };
Orientation OrientationOf(double sun_lon, double lon);

// Mercury and Venus gain occidental, the superior planets oriental, the Moon
// occidental; 2 points either way. The Sun scores nothing.
int OrientationPoints(int object, Orientation orientation);

}  // namespace kairotex
