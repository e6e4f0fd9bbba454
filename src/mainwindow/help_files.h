// The help menu's text files and how the help window reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kairotex {

struct HelpItem {
  std::string_view menu_item;
  std::string_view file_name;
};

// The help file of each item of the Help menu, in menu order.
inline constexpr HelpItem kHelpItems[] = {
    {"mnuHelpKAIROTEX", "KAIROTEX.HLP"}, {"mnuHelpOptions", "OPTIONS.HLP"},
    {"mnuHelpOutputD1", "OUTPUTD1.HLP"}, {"mnuHelpSelect", "SELECT.HLP"},
    {"mnuHelpPrntfile", "PRNTFILE.HLP"}, {"mnuHelpAboutWindow", "ABOUT.HLP"},
    {"mnuHelpHints", "HINTS.HLP"},       {"mnuShortcutKeys", "SHORTCUT.HLP"},
    {"mnuHelpLicense", "LICENSE.HLP"},   {"mnuHelpRevisions", "REVISION.HLP"}};

// The help text of program_dir/file_name: every line of the file followed by
// CR LF; nullopt when the file cannot be read.
std::optional<std::string> ReadHelpText(const std::string& program_dir, std::string_view file_name);

// "<file name> Help File Not Found".
std::string HelpFileNotFoundMessage(std::string_view file_name);

}  // namespace kairotex
