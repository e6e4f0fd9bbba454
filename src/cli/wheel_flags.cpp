#include <CLI/CLI.hpp>

#include "cli/flag_checks.h"
#include "cli/wheel_command.h"

namespace kairotex::cli {

CLI::App* AddWheelCommand(CLI::App& app, WheelFlags& flags) {
  CLI::App* wheel = app.add_subcommand("wheel", "draw the chartwheel into a PNG, SVG or PDF file");
  wheel->add_option("--out", flags.out, "the file to write: .png, .svg or .pdf")
      ->required()
      ->check(NotEmptyValue());
  wheel->add_option("--style", flags.style, "american or european (default: KAIROTEX.INI)")
      ->transform(CLI::IsMember({"american", "european"}, CLI::ignore_case));
  wheel->add_option("--size", flags.size, "PNG and SVG: WIDTHxHEIGHT in pixels (1024x768)")
      ->check(NotEmptyValue());
  wheel->add_option("--page", flags.page, "PDF: full (the printed page) or half (the window)")
      ->transform(CLI::IsMember({"full", "half"}, CLI::ignore_case));
  return wheel;
}

}  // namespace kairotex::cli
