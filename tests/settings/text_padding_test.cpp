// Right-justified column numbers and the medium time form.
#include <gtest/gtest.h>

#include "settings/text_formats.h"

namespace kairotex {
namespace {

struct PadCase {
  const char* text;
  const char* padded;
};

TEST(TextPadding, PadTo2) {
  const PadCase cases[] = {
      {"-3", " -3"},    {"9.99", " 9.99"}, {"0", " 0"},       {"10", "10"},
      {"45.5", "45.5"}, {"-15", " -15"},   {"-0,5", " -0,5"}, {"12,5", "12,5"},
  };
  for (const PadCase& c : cases) EXPECT_EQ(PadTo2(c.text), c.padded) << c.text;
}

TEST(TextPadding, PadTo3) {
  const PadCase cases[] = {
      {"-0,5", " -0,5"}, {"0,5", "  0,5"}, {"0", "  0"},      {"9.9", "  9.9"},
      {"10", " 10"},     {"999", " 999"},  {"-0.5", " -0.5"}, {"-9.9", " -9.9"},
      {"-10", "-10"},    {"-150", "-150"}, {"-9,9", " -9,9"},
  };
  for (const PadCase& c : cases) EXPECT_EQ(PadTo3(c.text), c.padded) << c.text;
}

TEST(TextPadding, PadTo4) {
  const PadCase cases[] = {
      {"-0,5", "  -0,5"}, {"0", "   0"},        {"9.5", "   9.5"}, {"10", "  10"},
      {"99.9", "  99.9"}, {"12,75", "  12,75"}, {"100", " 100"},   {"1234", " 1234"},
      {"-9", "  -9"},     {"-0.25", "  -0.25"}, {"-10", " -10"},   {"-99.5", " -99.5"},
      {"-100", "-100"},   {"-2500", "-2500"},
  };
  for (const PadCase& c : cases) EXPECT_EQ(PadTo4(c.text), c.padded) << c.text;
}

TEST(TextPadding, MediumTime) {
  struct Case {
    double day_fraction;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "12:00 AM"},
      {0.5, "12:00 PM"},
      {5.5 / 24, "05:30 AM"},
      {17.5 / 24, "05:30 PM"},
      {(23 * 60 + 59) / 1440.0, "11:59 PM"},
      {(12 * 60 + 1) / 1440.0, "12:01 PM"},
      {(5 * 3600 + 29 * 60 + 59.4) / 86400, "05:29 AM"},  // seconds are dropped
      {(5 * 3600 + 29 * 60 + 59.6) / 86400, "05:30 AM"},  // after rounding to the second
      {(86400 - 0.2) / 86400, "12:00 AM"},
      {1.25, "06:00 AM"},   // whole days do not count
      {-0.25, "06:00 PM"},  // the day before
  };
  for (const Case& c : cases) EXPECT_EQ(FormatMediumTime(c.day_fraction), c.text) << c.day_fraction;
}

}  // namespace
}  // namespace kairotex
