// A drawing surface that keeps every command, and measures text with fixed
// sizes: each character 0.6 times the font size wide, a line 1.2 times the
// font size high, in user units.
#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chartview/drawing_surface.h"

namespace kairotex::test {

inline constexpr double kCharWidthFactor = 0.6;
inline constexpr double kLineHeightFactor = 1.2;

struct DrawnLine {
  double x1, y1, x2, y2;
  Rgb colour;
};
struct DrawnCircle {
  double cx, cy, radius;
  Rgb colour;
};
struct DrawnText {
  double x, y;
  std::string text;
  FontSpec font;
  Rgb colour;
  int Code() const { return text.empty() ? -1 : static_cast<unsigned char>(text[0]); }
};
struct UserScale {
  double left, top, right, bottom;
};

class RecordingSurface : public DrawingSurface {
 public:
  void SetUserScale(double left, double top, double right, double bottom) override {
    scales.push_back({left, top, right, bottom});
  }
  void Clear(Rgb background) override { clears.push_back(background); }
  void Line(double x1, double y1, double x2, double y2, Rgb colour) override {
    lines.push_back({x1, y1, x2, y2, colour});
  }
  void Circle(double cx, double cy, double radius, Rgb colour) override {
    circles.push_back({cx, cy, radius, colour});
  }
  void SetFont(const FontSpec& font) override { font_ = font; }
  TextExtent MeasureText(std::string_view latin1) override {
    return {kCharWidthFactor * font_.size_points * static_cast<double>(latin1.size()),
            kLineHeightFactor * font_.size_points};
  }
  void Text(double x, double y, std::string_view latin1, Rgb colour) override {
    texts.push_back({x, y, std::string(latin1), font_, colour});
  }

  // Texts of one glyph code.
  std::vector<DrawnText> TextsOfCode(int code) const {
    std::vector<DrawnText> found;
    for (const DrawnText& t : texts) {
      if (t.text.size() == 1 && t.Code() == code) found.push_back(t);
    }
    return found;
  }
  // Texts written in one font size.
  std::vector<DrawnText> TextsOfSize(double size) const {
    std::vector<DrawnText> found;
    for (const DrawnText& t : texts) {
      if (t.font.size_points == size) found.push_back(t);
    }
    return found;
  }
  // Lines drawn in one colour, or (same false) in any other.
  std::vector<DrawnLine> LinesOfColour(Rgb colour, bool same = true) const {
    std::vector<DrawnLine> found;
    for (const DrawnLine& l : lines) {
      if ((l.colour == colour) == same) found.push_back(l);
    }
    return found;
  }
  // The first text drawn at a place, or null.
  const DrawnText* TextAt(double x, double y) const {
    for (const DrawnText& t : texts) {
      if (t.x == x && t.y == y) return &t;
    }
    return nullptr;
  }

  std::vector<UserScale> scales;
  std::vector<Rgb> clears;
  std::vector<DrawnLine> lines;
  std::vector<DrawnCircle> circles;
  std::vector<DrawnText> texts;

 private:
  FontSpec font_;
};

// Angle in degrees [0, 360) of a point, undoing a vertical factor.
inline double AngleOf(double x, double y, double y_factor = 1.0) {
  const double a = std::atan2(y / y_factor, x) * 180.0 / 3.14159265358979323846;
  return a < 0 ? a + 360.0 : a;
}
inline double RadiusOf(double x, double y) {
  return std::hypot(x, y);
}
// Angular distance of two angles, 0..180.
inline double AngleGap(double a, double b) {
  const double d = std::fabs(std::fmod(a - b + 720.0, 360.0));
  return d > 180.0 ? 360.0 - d : d;
}

}  // namespace kairotex::test
