#include "elect/election_presets.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace kairotex {
namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The line without its comment, split at the first blank into keyword and rest.
void SplitLine(const std::string& line, std::string& keyword, std::string& rest) {
  const std::string text = Trim(line.substr(0, line.find('#')));
  const size_t blank = text.find_first_of(" \t");
  keyword = text.substr(0, blank);
  rest = blank == std::string::npos ? std::string() : Trim(text.substr(blank));
}

bool ValidName(const std::string& name) {
  if (name.empty()) return false;
  for (char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    if (!ok) return false;
  }
  return true;
}

bool ParseWeight(const std::string& text, double& weight) {
  size_t used = 0;
  try {
    weight = std::stod(text, &used);
  } catch (const std::exception&) {
    return false;
  }
  return used == text.size() && std::isfinite(weight) && weight > 0 && weight <= 1000;
}

// One condition line: "require COND[=PARAM]" or "prefer COND[=PARAM] WEIGHT".
bool ParseConditionLine(const std::string& keyword, const std::string& rest,
                        ConditionSetting& setting, std::string& error) {
  std::istringstream words(rest);
  std::string written, weight, extra;
  words >> written >> weight >> extra;
  if (written.empty()) {
    error = keyword + " needs a condition";
    return false;
  }
  if (!ParseConditionWord(written, setting, error)) return false;
  setting.required = keyword == "require";
  if (setting.required) {
    if (!weight.empty()) {
      error = "a required condition takes no weight";
      return false;
    }
    return true;
  }
  if (!extra.empty() || !ParseWeight(weight, setting.weight)) {
    error = "prefer needs a condition and a weight above 0 and up to 1000";
    return false;
  }
  return true;
}

std::string LineError(const std::string& file_name, int line, const std::string& what) {
  std::string message = file_name;
  message += ", line ";
  message += std::to_string(line);
  message += ": ";
  message += what;
  return message;
}

}  // namespace

PresetFile ParsePresets(const std::string& text, const std::string& file_name) {
  PresetFile file;
  std::istringstream lines(text);
  std::string line, keyword, rest;
  ElectionPreset current;
  bool in_preset = false, refused = false;
  auto finish = [&] {
    if (in_preset && !refused) {
      if (current.conditions.empty()) {
        file.errors.push_back(file_name + ": preset " + current.name + " names no condition");
      } else {
        file.presets.push_back(current);
      }
    }
  };
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    SplitLine(line, keyword, rest);
    if (keyword.empty()) continue;
    std::string error;
    if (keyword == "preset") {
      finish();
      current = ElectionPreset{};
      in_preset = true;
      refused = false;
      current.name = rest;
      if (!ValidName(rest)) {
        error = "a preset name is one word of a-z, 0-9, - and _";
      } else if (FindPreset(file, rest)) {
        error = "preset " + rest + " is named twice";
      }
    } else if (!in_preset) {
      error = "the first line must begin a preset (preset NAME)";
    } else if (keyword == "title") {
      current.title = rest;
    } else if (keyword == "source") {
      if (rest.empty()) error = "source needs a text";
      current.sources.push_back(rest);
    } else if (keyword == "require" || keyword == "prefer") {
      ConditionSetting setting;
      if (ParseConditionLine(keyword, rest, setting, error)) current.conditions.push_back(setting);
    } else {
      error = "unknown keyword \"" + keyword + "\"";
    }
    if (error.empty()) continue;
    if (in_preset && !refused) {
      error += "; preset " + current.name + " refused";
      refused = true;
    }
    file.errors.push_back(LineError(file_name, number, error));
  }
  finish();
  return file;
}

PresetFile LoadPresets(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    PresetFile file;
    file.errors.push_back(path + ": the presets file cannot be read");
    return file;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ParsePresets(text.str(), path);
}

const ElectionPreset* FindPreset(const PresetFile& file, const std::string& name) {
  for (const ElectionPreset& preset : file.presets) {
    if (preset.name == name) return &preset;
  }
  return nullptr;
}

std::string PresetText(const ElectionPreset& preset) {
  std::string text = "preset " + preset.name + "\n";
  if (!preset.title.empty()) text += "title " + preset.title + "\n";
  for (const std::string& source : preset.sources) text += "source " + source + "\n";
  for (const ConditionSetting& c : preset.conditions) {
    text += c.required ? "require " : "prefer ";
    text += ConditionWordOf(c);
    if (!c.required) {
      std::array<char, 32> weight{};
      std::snprintf(weight.data(), weight.size(), " %g", c.weight);
      text += weight.data();
    }
    text += "\n";
  }
  return text;
}

}  // namespace kairotex
