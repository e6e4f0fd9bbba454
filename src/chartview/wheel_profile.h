// The screen and the printer draw the same wheel with their own options: this
// profile names the option indices of one of them.
#pragma once

#include "chartview/wheel_constants.h"

namespace kairotex::wheel {

struct WheelProfile {
  // Font sizes (option indices).
  int heading_size;
  int cusp_degree_size, cusp_sign_size, cusp_minute_size;
  int planet_glyph_size, planet_degree_size, planet_sign_size, planet_minute_size;
  int retrograde_size;
  int aspect_line_size;
  int moon_applying_size;
  // Colours (option indices of QBColor numbers).
  int heading_colour;
  int cusp_degree_colour, cusp_sign_colour, cusp_minute_colour;
  int planet_glyph_colour, planet_degree_colour, planet_sign_colour, planet_minute_colour;
  int retrograde_colour;
  int sextile_trine_colour, square_opposition_colour, quincunx_colour;
  int moon_applying_colour;
  int circle_colour, spoke_colour;
  // Margins added to the measured glyph boxes (option indices).
  int planet_box_width_margin, digit_box_width_margin;
  int planet_box_height_margin, digit_box_height_margin;
  // The vertical step of a planet column is the box height divided by this.
  double column_step_divisor;
};

inline constexpr WheelProfile kScreenProfile{
    .heading_size = 68,
    .cusp_degree_size = 69,
    .cusp_sign_size = 70,
    .cusp_minute_size = 71,
    .planet_glyph_size = 72,
    .planet_degree_size = 73,
    .planet_sign_size = 74,
    .planet_minute_size = 75,
    .retrograde_size = 76,
    .aspect_line_size = 77,
    .moon_applying_size = 117,
    .heading_colour = 88,
    .cusp_degree_colour = 89,
    .cusp_sign_colour = 90,
    .cusp_minute_colour = 91,
    .planet_glyph_colour = 92,
    .planet_degree_colour = 93,
    .planet_sign_colour = 94,
    .planet_minute_colour = 95,
    .retrograde_colour = 96,
    .sextile_trine_colour = 97,
    .square_opposition_colour = 98,
    .quincunx_colour = 99,
    .moon_applying_colour = 118,
    .circle_colour = 101,
    .spoke_colour = 102,
    .planet_box_width_margin = 60,
    .digit_box_width_margin = 61,
    .planet_box_height_margin = 62,
    .digit_box_height_margin = 63,
    .column_step_divisor = kScreenStepDivisor,
};

// The printer has no option of its own for the applying Moon; it uses the
// window's.
inline constexpr WheelProfile kPrinterProfile{
    .heading_size = 78,
    .cusp_degree_size = 79,
    .cusp_sign_size = 80,
    .cusp_minute_size = 81,
    .planet_glyph_size = 82,
    .planet_degree_size = 83,
    .planet_sign_size = 84,
    .planet_minute_size = 85,
    .retrograde_size = 86,
    .aspect_line_size = 87,
    .moon_applying_size = 117,
    .heading_colour = 103,
    .cusp_degree_colour = 104,
    .cusp_sign_colour = 105,
    .cusp_minute_colour = 106,
    .planet_glyph_colour = 107,
    .planet_degree_colour = 108,
    .planet_sign_colour = 109,
    .planet_minute_colour = 110,
    .retrograde_colour = 111,
    .sextile_trine_colour = 112,
    .square_opposition_colour = 113,
    .quincunx_colour = 114,
    .moon_applying_colour = 118,
    .circle_colour = 115,
    .spoke_colour = 116,
    .planet_box_width_margin = 64,
    .digit_box_width_margin = 65,
    .planet_box_height_margin = 66,
    .digit_box_height_margin = 67,
    .column_step_divisor = kPrinterStepDivisor,
};

}  // namespace kairotex::wheel
