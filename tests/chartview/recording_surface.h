// A drawing surface that keeps every command, and a log of them rounded for
// golden drawings; text measures 0.6 x its size wide and 1.2 x high, in user units.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "chartview/drawing_surface.h"

namespace kairotex::test {

inline constexpr double kCharWidthFactor = 0.6, kLineHeightFactor = 1.2;
inline constexpr double kSpokeFactor = 0.9675;  // y is shortened so the ring is round on the device

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
  void SetUserScale(double l, double t, double r, double b) override {
    scales.push_back({l, t, r, b});
    Log("scale", {l, t, r, b}, {});
  }
  void Clear(Rgb background) override { Log("clear", {}, background); }
  void Line(double x1, double y1, double x2, double y2, Rgb colour) override {
    lines.push_back({x1, y1, x2, y2, colour});
    Log("line", {x1, y1, x2, y2}, colour);
  }
  void Circle(double cx, double cy, double radius, Rgb colour) override {
    circles.push_back({cx, cy, radius, colour});
    Log("circle", {cx, cy, radius}, colour);
  }
  void SetFont(const FontSpec& font) override { font_ = font; }
  TextExtent MeasureText(std::string_view latin1) override {
    return {kCharWidthFactor * font_.size_points * static_cast<double>(latin1.size()),
            kLineHeightFactor * font_.size_points};
  }
  void Text(double x, double y, std::string_view latin1, Rgb colour) override {
    texts.push_back({x, y, std::string(latin1), font_, colour});
    Log("text", {x, y, font_.size_points}, colour, font_.bold ? " bold " : " ");
    for (const char c : latin1) Log(c & 0x80 ? "\\x%02x" : "%c", {}, {}, "", c & 0xff);
    log += "\n";
  }

  // Texts of one glyph code.
  std::vector<DrawnText> TextsOfCode(int code) const {
    std::vector<DrawnText> found;
    for (const DrawnText& t : texts)
      if (t.text.size() == 1 && t.Code() == code) found.push_back(t);
    return found;
  }

  std::vector<UserScale> scales;
  std::vector<DrawnLine> lines;
  std::vector<DrawnCircle> circles;
  std::vector<DrawnText> texts;
  std::string log;  // every command, one a line, rounded for the golden drawings

 private:
  // The command with its values and colour; a text's bytes follow.
  void Log(const char* what, std::initializer_list<double> values, Rgb colour,
           const char* end = "\n", int byte = -1) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, what, byte);
    log += buffer;
    if (byte >= 0) return;
    for (const double v : values) {
      std::snprintf(buffer, sizeof buffer, " %.3f", std::fabs(v) < 5e-4 ? 0.0 : v);
      log += buffer;
    }
    std::snprintf(buffer, sizeof buffer, " #%02x%02x%02x%s", colour.r, colour.g, colour.b, end);
    log += buffer;
  }
  FontSpec font_;
};

}  // namespace kairotex::test
