// The numeric line form shared by OPTIONS.OPT, the orb files and the INI file.
#pragma once

#include <string_view>

namespace kairotex {

// The number at the start of text, read the way the program's files are read:
// blanks and tabs are skipped, then an optional sign, digits and one decimal
// point; reading stops at the first character that cannot continue the number.
// No number gives 0.
double ReadLeadingNumber(std::string_view text);

// True when text starts (after blanks and tabs) with a number, as
// ReadLeadingNumber reads it: an optional sign, then at least one digit.
bool StartsWithNumber(std::string_view text);

// The value of a settings line: the number in its first seven characters.
double ReadNumericField(std::string_view line);

}  // namespace kairotex
