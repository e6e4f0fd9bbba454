// The regional date and time format of the system.
#pragma once

#include <cstdint>
#include <string>

namespace kairotex {

struct RegionalFormat {
  int16_t iDate = 0;  // 0 month-day-year, 1 day-month-year, 2 year-month-day
  int16_t iTime = 0;  // 1 = 24-hour clock, otherwise 12-hour with AM/PM
};

// The two numbers from the system locale (LC_TIME of the environment);
// the C locale gives month-day-year and the 24-hour clock.
RegionalFormat ReadRegionalFormat();

// The same two numbers from a locale's date and time patterns (strftime form).
RegionalFormat RegionalFormatFromPatterns(const std::string& date_pattern,
                                          const std::string& time_pattern);

// Month, day and year joined by "/" in the regional order, no leading blanks.
std::string RegionalDateText(const RegionalFormat& format, int month, int day, int year);

}  // namespace kairotex
