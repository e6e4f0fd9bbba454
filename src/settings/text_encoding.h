// The program's texts are 8-bit (Latin-1, as its files are); names typed on
// a UTF-8 terminal reach it as UTF-8. Where text leaves for a UTF-8 reader
// (JSON), both must arrive as valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kairotex {

bool IsValidUtf8(std::string_view text);

// Text that is already valid UTF-8 unchanged; otherwise every byte read as a
// Latin-1 character and written in UTF-8 ("caf\xE9" -> "café").
std::string TextAsUtf8(std::string_view text);

}  // namespace kairotex
