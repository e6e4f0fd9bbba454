#include "mainwindow/clock_caption.h"

#include "settings/text_formats.h"

namespace kairotex {

std::string ClockCaption(const std::string& title_text, const LocalDateTime& local,
                         const std::string& time_text) {
  return title_text + FormatDayMonthYear(local.day, local.month, local.year) + "     " + time_text;
}

std::string SecondsOfTimeText(const std::string& time_text) {
  char separator = ',';
  if (time_text.find(':') != std::string::npos) {
    separator = ':';
  } else if (time_text.find('.') != std::string::npos) {
    separator = '.';
  }
  const size_t first = time_text.find(separator);
  if (first == std::string::npos) return {};
  const size_t second = time_text.find(separator, first + 1);
  if (second == std::string::npos) return {};
  return time_text.substr(second + 1, 2);
}

bool IsMinuteTick(const std::string& time_text) {
  return SecondsOfTimeText(time_text) == "00";
}

}  // namespace kairotex
