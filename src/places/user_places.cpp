// PLACES.TXT, the user's own places, one a line:
//   name, region, country, latitude, longitude, zone
// e.g. "Ulm West, Baden-Württemberg, DE, 48.40, 9.95, Europe/Berlin". The
// coordinates are decimal degrees (north and east positive) or the program's
// degrees, letter, minutes ("48n24", "73w59"). Blank lines and lines starting
// with # are skipped; a line that is not UTF-8 is read as Latin-1, as the
// program's other files are.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "places/atlas.h"
#include "places/name_folding.h"
#include "settings/file_text.h"
#include "settings/text_encoding.h"

namespace kairotex {
namespace {

constexpr size_t kUserFields = 6;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string_view> SplitTrimmed(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t comma = line.find(',', start);
    fields.push_back(TrimBlanks(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int DigitsValue(std::string_view digits) {
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// Decimal degrees ("48.40", "-73.99") or degrees, letter, minutes ("48n24",
// "73W59"); nullopt when the text is neither.
std::optional<double> ReadCoordinate(std::string_view text, char positive, char negative) {
  std::string_view number = text;
  const bool plus = number.starts_with('+');
  if (plus) number.remove_prefix(1);
  if (!number.empty() && !(plus && number.starts_with('-'))) {
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
    if (error == std::errc() && stop == end && std::isfinite(value)) return value;
  }
  const size_t letter = text.find_first_not_of("0123456789");
  if (letter == 0 || letter == std::string_view::npos || letter > 3) return std::nullopt;
  const char direction = static_cast<char>(std::tolower(static_cast<unsigned char>(text[letter])));
  const std::string_view minutes = text.substr(letter + 1);
  if ((direction != positive && direction != negative) || !AllDigits(minutes) ||
      minutes.size() > 2 || DigitsValue(minutes) > 59) {
    return std::nullopt;
  }
  const double degrees = DigitsValue(text.substr(0, letter)) + DigitsValue(minutes) / 60.0;
  return direction == negative ? -degrees : degrees;
}

struct Axis {
  const char* name;
  char positive, negative;
  int limit;
  const char* decimal_example;
  const char* letter_example;
};
constexpr Axis kLatitude{"latitude", 'n', 's', 90, "48.40", "48n24"};
constexpr Axis kLongitude{"longitude", 'e', 'w', 180, "9.95", "9e57"};

// The coordinate of a field, or nullopt and the reason it is refused.
std::optional<double> ReadField(std::string_view text, const Axis& axis, std::string& problem) {
  const std::string quoted = std::string("the ") + axis.name + " \"" + QuoteExcerpt(text) + "\"";
  const std::optional<double> value = ReadCoordinate(text, axis.positive, axis.negative);
  const std::string bound = std::to_string(axis.limit);
  if (!value) {
    problem = quoted + " is neither degrees (" + axis.decimal_example + ") nor degrees, " +
              axis.positive + " or " + axis.negative + ", minutes (" + axis.letter_example + ").";
  } else if (std::fabs(*value) > axis.limit) {
    problem = quoted + " is outside -" + bound + " to " + bound + ".";
    return std::nullopt;
  }
  return value;
}

bool IsTwoLetters(std::string_view text) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  return text.size() == 2 && letter(text[0]) && letter(text[1]);
}

// A two-letter code is the country's code; anything else its name.
void SetCountry(AtlasPlace& place, std::string_view text,
                const std::map<std::string, std::string, std::less<>>& countries) {
  if (IsTwoLetters(text)) {
    for (char c : text) place.country_code += static_cast<char>(std::toupper(c));
    const auto known = countries.find(place.country_code);
    if (known != countries.end()) place.country = known->second;
    return;
  }
  place.country = text;
  const std::string folded = FoldName(text);
  for (const auto& [code, name] : countries) {
    if (FoldName(name) == folded) place.country_code = code;
  }
}

}  // namespace

void Atlas::AddUserPlaces(const std::string& path,
                          const std::function<bool(const std::string&)>& known_zone,
                          std::vector<std::string>& warnings) {
  const FileText file = ReadFileText(path);
  if (file.problem == FileProblem::kMissing) return;
  if (file.problem != FileProblem::kNone) {
    warnings.push_back(path + " " + DescribeFileProblem(path, file.problem) +
                       ". Your own places were not added.");
    return;
  }
  const size_t first_added = places_.size();
  ForEachLine(file.text, [&](std::string_view raw, int number) {
    if (number == 1 && raw.starts_with(kByteOrderMark)) raw.remove_prefix(kByteOrderMark.size());
    const std::string line = TextAsUtf8(raw);
    const std::string_view text = TrimBlanks(line);
    if (text.empty() || text.starts_with('#')) return;

    std::string problem;
    const std::vector<std::string_view> f = SplitTrimmed(text);
    AtlasPlace place;
    place.from_user_file = true;
    if (f.size() != kUserFields) {
      problem = "the line has " + std::to_string(f.size()) +
                " fields, not the 6 of name, region, country, latitude, longitude, zone.";
    } else if (f[0].empty()) {
      problem = "the name is empty.";
    } else if (const auto lat = ReadField(f[3], kLatitude, problem)) {
      if (const auto lon = ReadField(f[4], kLongitude, problem)) {
        place.latitude = *lat;
        place.longitude = *lon;
        place.zone = f[5];
        if (!known_zone(place.zone)) {
          problem = "the zone \"" + QuoteExcerpt(f[5], 40) + "\" is not in the time zone database.";
        }
      }
    }
    if (!problem.empty()) {
      warnings.push_back("Line " + std::to_string(number) + " of " + path + ": " + problem +
                         " The place was not added.");
      return;
    }
    place.name = f[0];
    place.ascii_name = place.name;  // the user gives one name; the search folds its accents
    place.region = f[1];
    SetCountry(place, f[2], countries_);
    qualifiers_.push_back(Qualifier(place));
    places_.push_back(std::move(place));
    IndexLastPlace(static_cast<uint32_t>(qualifiers_.size() - 1), 0);
  });

  // Each of the user's places ranks with the largest atlas place of its name.
  const std::string_view names = folded_names_;
  const auto folded_name = [&](const SearchKey& key) {
    return names.substr(key.name_begin, key.name_end - key.name_begin);
  };
  std::unordered_map<std::string_view, int64_t> namesake_population;
  for (size_t i = first_added; i < keys_.size(); ++i) namesake_population[folded_name(keys_[i])];
  if (namesake_population.empty()) return;
  for (size_t i = 0; i < first_added; ++i) {
    if (places_[i].from_user_file) continue;
    const auto found = namesake_population.find(folded_name(keys_[i]));
    if (found != namesake_population.end()) {
      found->second = std::max(found->second, places_[i].population);
    }
  }
  for (size_t i = first_added; i < keys_.size(); ++i) {
    keys_[i].rank_population = namesake_population[folded_name(keys_[i])];
  }
}

}  // namespace kairotex
