// The options editor's file work: its text, Save and Restore default.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/platform.h"
#include "settings/options.h"

namespace kairotex {

inline constexpr std::string_view kOptionsEditorCaption = "Edit: OPTIONS.OPT";
inline constexpr std::string_view kOptionsFileNotFoundMessage = "OPTIONS.OPT File Not Found";
inline constexpr std::string_view kOptionsOperationErrorMessage =
    "Error in operation. Cannot do what is requested.";

// The editor's text: every line of program_dir/OPTIONS.OPT followed by CR LF;
// nullopt when the file cannot be read.
std::optional<std::string> ReadOptionsEditorText(const std::string& program_dir);

// Save: the text less its final line end, then one CR LF (a text shorter than
// two characters is written as an empty line), line ends written as CR LF,
// through the safe writer; then the options are read again into `options`.
// A text that the options reader would refuse (more than 130 option lines)
// is not written, so that the next start still finds a readable file.
// Returns false with the reason in *error; the file and the table stay.
bool SaveOptionsEditorText(const std::string& program_dir, std::string_view text,
                           OptionsTable& options, std::string* error);

// Restore default: OPTIONS.MST copied over OPTIONS.OPT (the table itself is
// read again only by Save). Returns false when it cannot be done.
bool RestoreDefaultOptions(const std::string& program_dir, std::string* error);

}  // namespace kairotex
