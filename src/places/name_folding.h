// Place names compared as people type them: without case and without the
// accents of the Latin letters, so "zurich" and "ZÜR" both find "Zürich".
#pragma once

#include <string>
#include <string_view>

namespace kairotex {

// UTF-8 text in lower case with the Latin-1 and Latin Extended-A letters
// reduced to their plain letters ("Łódź" -> "lodz", "Ærøskøbing" ->
// "aeroskobing", "ß" -> "ss"). Every other byte is kept as it is.
std::string FoldName(std::string_view text);

// Whether the byte belongs to a word of folded text: ASCII letters and
// digits, and every byte of a character outside ASCII.
bool IsWordByte(char c);

}  // namespace kairotex
