// The running clock's caption, written every second, and the tick on which
// the chart follows the clock.
#pragma once

#include <string>

#include "chart/platform.h"

namespace kairotex {

// The title text, the date as "dd mmm yyyy", five blanks and the time text of
// the platform's long time format.
std::string ClockCaption(const std::string& title_text, const LocalDateTime& local,
                         const std::string& time_text);

// The two characters after the second time separator of a time text: ":" if
// the text has one, otherwise ".", otherwise ","; empty when there is none.
std::string SecondsOfTimeText(const std::string& time_text);

// The tick that starts a minute: its seconds read "00".
bool IsMinuteTick(const std::string& time_text);

}  // namespace kairotex
