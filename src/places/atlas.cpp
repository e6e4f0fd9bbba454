// ATLAS.DAT is text, UTF-8, one record a line, its fields separated by tabs:
//   ATLAS  countries  regions  zones  places      (the counts of what follows)
//   code  English name                           (each country)
//   name                                         (each first-level division)
//   zone name                                    (each IANA zone)
//   name  ASCII name  region  country code  latitude  longitude  population  zone
// A place's ASCII name is empty when it is the name itself; its region and
// zone are numbers of the lists above, counted from 0, the region empty when
// the place has none. The counts let a cut file be told from a whole one.
#include "places/atlas.h"

#include <charconv>
#include <cmath>
#include <unordered_map>

#include "places/name_folding.h"
#include "settings/data_file_error.h"
#include "settings/file_text.h"

namespace kairotex {
namespace {

constexpr std::string_view kHeaderWord = "ATLAS";
constexpr size_t kPlaceFields = 8;

void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return;
    start = tab + 1;
  }
}

template <typename Number>
bool ReadWhole(std::string_view text, Number& value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

bool ReadDegrees(std::string_view text, double limit, double& value) {
  return ReadWhole(text, value) && std::isfinite(value) && value >= -limit && value <= limit;
}

bool IsCountryCode(std::string_view code) {
  return code.size() == 2 && code[0] >= 'A' && code[0] <= 'Z' && code[1] >= 'A' && code[1] <= 'Z';
}

// Reads the records of one file, throwing at the first line at fault.
class AtlasReader {
 public:
  AtlasReader(const std::string& path, std::vector<std::string_view> lines)
      : path_(path), lines_(std::move(lines)) {}

  size_t line_count() const { return lines_.size(); }

  // The fields of the next line.
  const std::vector<std::string_view>& Next() {
    SplitFields(lines_[next_++], fields_);
    return fields_;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw DataFileError(path_, static_cast<int>(next_), what);
  }

  void ExpectFields(size_t count, const char* what) const {
    if (fields_.size() != count) {
      Fail(std::string(what) + ", not " + std::to_string(fields_.size()));
    }
  }

 private:
  const std::string& path_;
  std::vector<std::string_view> lines_;
  std::vector<std::string_view> fields_;
  size_t next_ = 0;
};

struct Counts {
  size_t countries = 0, regions = 0, zones = 0, places = 0;
};

Counts ReadHeader(AtlasReader& reader) {
  const std::vector<std::string_view>& fields = reader.Next();
  Counts counts;
  const bool read = fields.size() == 5 && fields[0] == kHeaderWord &&
                    ReadWhole(fields[1], counts.countries) &&
                    ReadWhole(fields[2], counts.regions) && ReadWhole(fields[3], counts.zones) &&
                    ReadWhole(fields[4], counts.places);
  if (!read) {
    reader.Fail(
        "the first line must be ATLAS and the counts of countries, regions, zones and "
        "places, separated by tabs");
  }
  const size_t records = reader.line_count() - 1;
  const bool whole = counts.countries <= records && counts.regions <= records &&
                     counts.zones <= records && counts.places <= records &&
                     counts.countries + counts.regions + counts.zones + counts.places == records;
  if (!whole) {
    reader.Fail("the first line counts " +
                std::to_string(counts.countries + counts.regions + counts.zones + counts.places) +
                " records after it, but the file holds " + std::to_string(records) +
                ": it is cut or has lines added");
  }
  return counts;
}

std::vector<std::string> ReadNames(AtlasReader& reader, size_t count, const char* what) {
  std::vector<std::string> names;
  names.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const std::vector<std::string_view>& fields = reader.Next();
    if (fields.size() != 1 || fields[0].empty()) {
      reader.Fail(std::string("a line of the ") + what + " must hold one name");
    }
    names.emplace_back(fields[0]);
  }
  return names;
}

// A region or zone number of a place; `optional` allows an empty field.
uint32_t ReadListNumber(const AtlasReader& reader, std::string_view field, size_t list_size,
                        const char* what, bool optional) {
  constexpr uint32_t kNone = UINT32_MAX;
  if (optional && field.empty()) return kNone;
  uint32_t number = 0;
  if (!ReadWhole(field, number) || number >= list_size) {
    reader.Fail(std::string("the ") + what + " number \"" + QuoteExcerpt(field) +
                "\" is not one of the " + std::to_string(list_size) + " " + what + "s");
  }
  return number;
}

}  // namespace

Atlas Atlas::Load(const std::string& path) {
  const FileText file = ReadFileText(path);
  if (file.problem != FileProblem::kNone) {
    throw DataFileError(path, 0, DescribeFileProblem(path, file.problem));
  }
  std::vector<std::string_view> lines;
  ForEachLine(file.text, [&lines](std::string_view line, int) { lines.push_back(line); });
  if (lines.empty()) throw DataFileError(path, 0, "the file is empty");
  AtlasReader reader(path, std::move(lines));
  const Counts counts = ReadHeader(reader);

  Atlas atlas;
  for (size_t i = 0; i < counts.countries; ++i) {
    const std::vector<std::string_view>& fields = reader.Next();
    reader.ExpectFields(2, "a country needs 2 fields (code, name)");
    if (!IsCountryCode(fields[0])) {
      reader.Fail("the country code \"" + QuoteExcerpt(fields[0]) +
                  "\" is not two capital letters");
    }
    if (fields[1].empty()) reader.Fail("the country's name is empty");
    atlas.countries_.emplace(fields[0], fields[1]);
  }
  const std::vector<std::string> regions = ReadNames(reader, counts.regions, "regions");
  const std::vector<std::string> zones = ReadNames(reader, counts.zones, "zones");

  // Places of one region and country share their qualifier.
  std::unordered_map<uint64_t, uint32_t> qualifier_of;
  atlas.places_.reserve(counts.places);
  atlas.keys_.reserve(counts.places);
  for (size_t i = 0; i < counts.places; ++i) {
    const std::vector<std::string_view>& f = reader.Next();
    reader.ExpectFields(kPlaceFields,
                        "a place needs 8 fields (name, ASCII name, region, country, latitude, "
                        "longitude, population, zone)");
    AtlasPlace place;
    if (f[0].empty()) reader.Fail("the place's name is empty");
    place.name = f[0];
    place.ascii_name = f[1].empty() ? f[0] : f[1];
    const uint32_t region = ReadListNumber(reader, f[2], regions.size(), "region", true);
    if (region < regions.size()) place.region = regions[region];
    const auto country = atlas.countries_.find(f[3]);
    if (country == atlas.countries_.end()) {
      reader.Fail("the country code \"" + QuoteExcerpt(f[3]) + "\" is not one of the countries");
    }
    place.country_code = country->first;
    place.country = country->second;
    if (!ReadDegrees(f[4], 90, place.latitude)) {
      reader.Fail("the latitude \"" + QuoteExcerpt(f[4]) + "\" is not a number from -90 to 90");
    }
    if (!ReadDegrees(f[5], 180, place.longitude)) {
      reader.Fail("the longitude \"" + QuoteExcerpt(f[5]) + "\" is not a number from -180 to 180");
    }
    if (!ReadWhole(f[6], place.population) || place.population < 0) {
      reader.Fail("the population \"" + QuoteExcerpt(f[6]) +
                  "\" is not a whole number of 0 or more");
    }
    place.zone = zones[ReadListNumber(reader, f[7], zones.size(), "zone", false)];

    const uint64_t shared =
        (uint64_t{region} << 16) | (uint64_t(uint8_t(f[3][0])) << 8) | uint8_t(f[3][1]);
    const auto [found, added] =
        qualifier_of.try_emplace(shared, static_cast<uint32_t>(atlas.qualifiers_.size()));
    if (added) atlas.qualifiers_.push_back(Qualifier(place));
    const int64_t population = place.population;
    atlas.places_.push_back(std::move(place));
    atlas.IndexLastPlace(found->second, population);
  }
  atlas.folded_names_.shrink_to_fit();
  atlas.qualifiers_.shrink_to_fit();
  return atlas;
}

size_t Atlas::size() const {
  return places_.size();
}

void Atlas::IndexLastPlace(uint32_t qualifier, int64_t rank_population) {
  const AtlasPlace& place = places_.back();
  SearchKey key;
  key.name_begin = static_cast<uint32_t>(folded_names_.size());
  folded_names_ += FoldName(place.name);
  key.name_end = static_cast<uint32_t>(folded_names_.size());
  if (place.ascii_name != place.name) {
    const std::string ascii = FoldName(place.ascii_name);
    const std::string_view name =
        std::string_view(folded_names_).substr(key.name_begin, key.name_end - key.name_begin);
    if (ascii != name) folded_names_ += ascii;
  }
  key.ascii_end = static_cast<uint32_t>(folded_names_.size());
  key.qualifier = qualifier;
  key.rank_population = rank_population;
  keys_.push_back(key);
}

std::string Atlas::Qualifier(const AtlasPlace& place) {
  return FoldName(place.region) + ',' + FoldName(place.country) + ',' +
         FoldName(place.country_code);
}

std::string PlaceLabel(const AtlasPlace& place) {
  std::string label = place.name;
  if (!place.region.empty() && FoldName(place.region) != FoldName(place.name)) {
    label += ", " + place.region;
  }
  const std::string& country = place.country.empty() ? place.country_code : place.country;
  if (!country.empty()) label += ", " + country;
  return label;
}

}  // namespace kairotex
