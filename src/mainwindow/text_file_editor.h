// The small text-file editors (OPTIONS.OPT, the orb files): the text they
// show and the bytes their Save writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kairotex {

// The editor's text: every line of the file followed by CR LF, whatever line
// ends the file had; nullopt when the file cannot be read.
std::optional<std::string> ReadEditorText(const std::string& path);

// What Save writes: the text less its final line end, then one CR LF (a text
// shorter than two characters is written as an empty line), every line
// ended by CR LF. An unchanged text is written back with the same lines.
std::string EditorTextToSave(std::string_view text);

}  // namespace kairotex
