// The presets for common undertakings, read from a plain-text file in the
// program folder that users edit and copy:
//
//   preset marriage
//   title Election for a marriage
//   source Lilly, Christian Astrology (1647)
//   require moon-not-voc=lilly
//   prefer significator-direct=venus 3
//
// A line is a keyword and its words; # begins a comment, blank lines are
// skipped. A preset with a bad line is refused, the others are kept.
#pragma once

#include <string>
#include <vector>

#include "elect/conditions.h"

namespace kairotex {

inline constexpr const char* kElectionPresetsFile = "ELECTION.PRE";

struct ElectionPreset {
  std::string name;   // the word after "preset", as --preset takes it
  std::string title;  // "Election for a marriage"
  std::vector<std::string> sources;
  std::vector<ConditionSetting> conditions;
};

struct PresetFile {
  std::vector<ElectionPreset> presets;  // the good ones, in file order
  // "<file>, line N: ..." for each refusal; a missing file gives one message.
  std::vector<std::string> errors;
};

PresetFile ParsePresets(const std::string& text, const std::string& file_name);
PresetFile LoadPresets(const std::string& path);

// nullptr when the file holds no preset of that name.
const ElectionPreset* FindPreset(const PresetFile& file, const std::string& name);

// The preset as text that ParsePresets reads back to the same preset.
std::string PresetText(const ElectionPreset& preset);

}  // namespace kairotex
