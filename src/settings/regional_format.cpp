#include "settings/regional_format.h"

#include <langinfo.h>
#include <locale.h>

namespace kairotex {

RegionalFormat RegionalFormatFromPatterns(const std::string& date_pattern,
                                          const std::string& time_pattern) {
  RegionalFormat format;
  const size_t day = date_pattern.find("%d") != std::string::npos ? date_pattern.find("%d")
                                                                  : date_pattern.find("%e");
  const size_t month = date_pattern.find("%m");
  size_t year = date_pattern.find("%Y");
  if (year == std::string::npos) year = date_pattern.find("%y");
  if (year != std::string::npos && year < month && year < day) {
    format.iDate = 2;
  } else if (day != std::string::npos && month != std::string::npos && day < month) {
    format.iDate = 1;
  }
  const bool twelve_hour = time_pattern.find("%I") != std::string::npos ||
                           time_pattern.find("%l") != std::string::npos ||
                           time_pattern.find("%r") != std::string::npos ||
                           time_pattern.find("%p") != std::string::npos;
  format.iTime = twelve_hour ? 0 : 1;
  return format;
}

RegionalFormat ReadRegionalFormat() {
  // A private locale object: the process-wide locale stays untouched.
  locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) {
    locale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return {};
  }
  const std::string date_pattern = nl_langinfo_l(D_FMT, locale);
  const std::string time_pattern = nl_langinfo_l(T_FMT, locale);
  freelocale(locale);
  return RegionalFormatFromPatterns(date_pattern, time_pattern);
}

std::string RegionalDateText(const RegionalFormat& format, int month, int day, int year) {
  const std::string m = std::to_string(month), d = std::to_string(day), y = std::to_string(year);
  switch (format.iDate) {
    case 1:
      return d + "/" + m + "/" + y;
    case 2:
      return y + "/" + m + "/" + d;
    default:
      return m + "/" + d + "/" + y;
  }
}

}  // namespace kairotex
