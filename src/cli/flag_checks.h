// Checks shared by the flags of every command.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace kairotex::cli {

// An empty value is a slip (an unset shell variable), not "not given": a
// chart of the present moment in its place would look like an answer.
inline const CLI::Validator& NotEmptyValue() {
  static const CLI::Validator check(
      [](const std::string& value) {
        return value.empty() ? std::string("an empty value is not allowed") : std::string();
      },
      "", "NOT EMPTY");
  return check;
}

}  // namespace kairotex::cli
