// The user name line (the file MYNAME) and the title text built from it,
// which heads the clock caption and the data window.
#pragma once

#include <string>

namespace kairotex {

// The first line of the file, ending at its first CR or LF; empty when the
// file is missing, unreadable or empty. A file that is there but cannot be
// read (a folder, say) puts a warning naming it in *warning when asked for.
std::string ReadUserName(const std::string& path, std::string* warning = nullptr);

// The user name line, " KAIROTEX " and the zodiac text of option 123:
// 0 "(Tropical zodiac) - ", 1 "(Sidereal zodiac - SVP) - ",
// 2 "(Sidereal zodiac - Ayanamsa) - ", any other value nothing.
std::string BuildTitleText(const std::string& user_name_line, float option123);

}  // namespace kairotex
