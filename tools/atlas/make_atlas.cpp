// Writes the atlas ATLAS.DAT from GeoNames' tables of towns of 15,000
// inhabitants or more (cities15000.txt with admin1Codes.txt and
// countryInfo.txt, as Debian's libtimezonemap-data ships them), and the
// attribution the data's licence asks for, ATLAS-ATTRIBUTION.txt. The file
// is read back with the program's own loader before it replaces the old one.
// Usage: kairotex_make_atlas <folder of the GeoNames tables> <output folder>
#include <cctz/time_zone.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/dat_file.h"
#include "places/atlas.h"
#include "settings/data_file_error.h"
#include "settings/file_text.h"
#include "settings/text_encoding.h"

namespace {

using namespace kairotex::tools;

constexpr size_t kCityFields = 19;
// The columns of cities15000.txt that the atlas keeps.
enum CityColumn : size_t {
  kName = 1,
  kAsciiName = 2,
  kLatitude = 4,
  kLongitude = 5,
  kCountryCode = 8,
  kAdmin1 = 10,
  kPopulation = 14,
  kZone = 17,
};

// Admin1 codes the towns use that admin1Codes.txt does not list (a division
// that no longer exists); those towns are given no region. "00" and an empty
// code mean no division at all.
const std::set<std::string> kRegionsLeftEmpty = {"CU.11"};

struct Place {
  std::string name, ascii_name, region, country_code, zone;
  double latitude = 0, longitude = 0;
  int64_t population = 0;
};

struct Source {
  std::map<std::string, std::string> countries;  // code -> English name
  std::vector<Place> places;
};

std::string ReadSource(const std::string& path) {
  kairotex::FileText file = kairotex::ReadFileText(path);
  if (file.problem != kairotex::FileProblem::kNone) {
    FailCheck(path + ": " + kairotex::DescribeFileProblem(path, file.problem));
  }
  return std::move(file.text);
}

std::vector<std::string> Tabs(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.emplace_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

// The table's lines that are not comments, with their numbers.
template <typename Sink>
void ForEachRecord(const std::string& text, Sink&& sink) {
  kairotex::ForEachLine(text, [&](std::string_view line, int number) {
    if (!line.empty() && line[0] != '#') sink(Tabs(line), number);
  });
}

std::string Where(const std::string& path, int line) {
  return path + ", line " + std::to_string(line) + ": ";
}

std::map<std::string, std::string> ReadCountries(const std::string& path) {
  std::map<std::string, std::string> countries;
  ForEachRecord(ReadSource(path), [&](const std::vector<std::string>& f, int line) {
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    const bool code = f.size() > 4 && f[0].size() == 2 && capital(f[0][0]) && capital(f[0][1]);
    if (!code || f[4].empty() || !kairotex::IsValidUtf8(f[4])) {
      FailCheck(Where(path, line) + "not a country code and name");
    }
    if (!countries.emplace(f[0], f[4]).second) FailCheck(Where(path, line) + "repeated country");
  });
  if (countries.empty()) FailCheck(path + ": no countries");
  return countries;
}

std::map<std::string, std::string> ReadRegions(const std::string& path) {
  std::map<std::string, std::string> regions;  // "CH.ZH" -> "Zurich"
  ForEachRecord(ReadSource(path), [&](const std::vector<std::string>& f, int line) {
    // A division without its own name (MC.00) has its ASCII name.
    const std::string& name = f.size() < 3 || !f[1].empty() ? f[1] : f[2];
    if (f.size() < 3 || f[0].size() < 4 || f[0][2] != '.' || name.empty() ||
        !kairotex::IsValidUtf8(name)) {
      FailCheck(Where(path, line) + "not a division code and name");
    }
    if (!regions.emplace(f[0], name).second) FailCheck(Where(path, line) + "repeated division");
  });
  return regions;
}

template <typename Number>
bool ReadNumber(const std::string& text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && stop == end;
}

bool IsAscii(const std::string& text) {
  for (unsigned char c : text) {
    if (c < 0x20 || c >= 0x7F) return false;
  }
  return true;
}

Source ReadGeoNames(const std::string& folder) {
  Source source;
  source.countries = ReadCountries(folder + "/countryInfo.txt");
  const std::map<std::string, std::string> regions = ReadRegions(folder + "/admin1Codes.txt");
  const std::string path = folder + "/cities15000.txt";
  const std::string text = ReadSource(path);
  std::map<std::string, bool> zone_known;
  int lines = 0;
  kairotex::ForEachLine(text, [&](std::string_view line, int number) {
    ++lines;
    const std::vector<std::string> f = Tabs(line);
    const std::string at = Where(path, number);
    if (f.size() != kCityFields) FailCheck(at + std::to_string(f.size()) + " fields, not 19");
    Place p;
    p.name = f[kName];
    p.ascii_name = f[kAsciiName].empty() ? p.name : f[kAsciiName];
    if (p.name.empty() || !kairotex::IsValidUtf8(p.name)) FailCheck(at + "no UTF-8 name");
    if (!IsAscii(p.ascii_name)) FailCheck(at + "the ASCII name is not ASCII");
    if (!ReadNumber(f[kLatitude], p.latitude) || !(std::fabs(p.latitude) <= 90) ||
        !ReadNumber(f[kLongitude], p.longitude) || !(std::fabs(p.longitude) <= 180)) {
      FailCheck(at + "coordinates out of range");
    }
    if (!ReadNumber(f[kPopulation], p.population) || p.population < 0) {
      FailCheck(at + "no population");
    }
    p.country_code = f[kCountryCode];
    if (!source.countries.contains(p.country_code)) {
      FailCheck(at + "the country " + p.country_code + " is not in countryInfo.txt");
    }
    const std::string& admin1 = f[kAdmin1];
    const std::string region_code = p.country_code + "." + admin1;
    if (!admin1.empty() && admin1 != "00" && !kRegionsLeftEmpty.contains(region_code)) {
      const auto region = regions.find(region_code);
      if (region == regions.end()) {
        FailCheck(at + "the division " + region_code + " is not in admin1Codes.txt");
      }
      p.region = region->second;
    }
    p.zone = f[kZone];
    auto [known, added] = zone_known.try_emplace(p.zone, false);
    if (added) {
      cctz::time_zone zone;
      known->second = !p.zone.empty() && cctz::load_time_zone(p.zone, &zone);
    }
    if (!known->second)
      FailCheck(at + "the zone \"" + p.zone + "\" is not in the system's database");
    source.places.push_back(std::move(p));
  });
  if (source.places.size() != static_cast<size_t>(lines) || source.places.empty()) {
    FailCheck(path + ": " + std::to_string(source.places.size()) + " places from " +
              std::to_string(lines) + " lines");
  }
  return source;
}

// Five decimals (about a metre), without trailing zeros.
std::string Degrees(double value) {
  std::string text = FormatFixed(value, 5);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

// The number of each name in the sorted list of the distinct names.
std::map<std::string, size_t> Numbered(const std::vector<Place>& places,
                                       std::string Place::*field) {
  std::map<std::string, size_t> numbers;
  for (const Place& p : places) {
    if (!(p.*field).empty()) numbers.emplace(p.*field, 0);
  }
  size_t next = 0;
  for (auto& [name, number] : numbers) number = next++;
  return numbers;
}

std::vector<std::string> AtlasRecords(const Source& source) {
  const auto regions = Numbered(source.places, &Place::region);
  const auto zones = Numbered(source.places, &Place::zone);
  std::vector<std::string> records;
  records.push_back("ATLAS\t" + std::to_string(source.countries.size()) + "\t" +
                    std::to_string(regions.size()) + "\t" + std::to_string(zones.size()) + "\t" +
                    std::to_string(source.places.size()));
  for (const auto& [code, name] : source.countries) records.push_back(code + "\t" + name);
  for (const auto& [name, number] : regions) records.push_back(name);
  for (const auto& [name, number] : zones) records.push_back(name);
  for (const Place& p : source.places) {
    const std::string region = p.region.empty() ? "" : std::to_string(regions.at(p.region));
    records.push_back(p.name + "\t" + (p.ascii_name == p.name ? "" : p.ascii_name) + "\t" + region +
                      "\t" + p.country_code + "\t" + Degrees(p.latitude) + "\t" +
                      Degrees(p.longitude) + "\t" + std::to_string(p.population) + "\t" +
                      std::to_string(zones.at(p.zone)));
  }
  return records;
}

// Reads the written file as the program does and compares every place.
void CheckAtlas(const std::string& path, const Source& source) {
  kairotex::Atlas atlas;
  try {
    atlas = kairotex::Atlas::Load(path);
  } catch (const kairotex::DataFileError& e) {
    FailCheck(std::string("the program refuses the written atlas: ") + e.what());
  }
  if (atlas.size() != source.places.size()) FailCheck(path + ": places lost");
  for (size_t i = 0; i < source.places.size(); ++i) {
    const Place& want = source.places[i];
    const kairotex::AtlasPlace& got = atlas.places()[i];
    const bool same = got.name == want.name && got.ascii_name == want.ascii_name &&
                      got.region == want.region && got.country_code == want.country_code &&
                      got.country == source.countries.at(want.country_code) &&
                      std::fabs(got.latitude - want.latitude) <= 0.5e-5 + 1e-9 &&
                      std::fabs(got.longitude - want.longitude) <= 0.5e-5 + 1e-9 &&
                      got.population == want.population && got.zone == want.zone &&
                      !got.from_user_file;
    if (!same)
      FailCheck(path + ": place " + std::to_string(i + 1) + " (" + want.name + ") differs");
  }
}

std::vector<std::string> AttributionLines(size_t places) {
  return {
      "ATLAS.DAT, the atlas of towns, is made from the GeoNames geographical database.",
      "",
      "  GeoNames, https://www.geonames.org/",
      "  Licence: Creative Commons Attribution 4.0 International (CC BY 4.0),",
      "  https://creativecommons.org/licenses/by/4.0/",
      "",
      "Changes: the data was converted into ATLAS.DAT; places of 15,000 inhabitants",
      "or more (" + std::to_string(places) + " places, from the tables cities15000.txt,",
      "admin1Codes.txt and countryInfo.txt of Debian's package libtimezonemap-data).",
      "Each place keeps its name, ASCII name, first-level division, country,",
      "latitude and longitude (rounded to five decimals), population and time zone.",
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <folder of the GeoNames tables> <output folder>\n", argv[0]);
    return 2;
  }
  try {
    const Source source = ReadGeoNames(argv[1]);
    const std::string out_dir = argv[2];
    const std::string atlas_path = out_dir + "/" + kairotex::kAtlasFileName;
    const std::string attribution_path = out_dir + "/ATLAS-ATTRIBUTION.txt";
    const std::string atlas_temp = WriteDatFileTemp(atlas_path, AtlasRecords(source));
    CheckAtlas(atlas_temp, source);
    const std::string attribution_temp =
        WriteDatFileTemp(attribution_path, AttributionLines(source.places.size()));
    CommitDatFile(atlas_temp, atlas_path);
    CommitDatFile(attribution_temp, attribution_path);
    std::printf("wrote %s (%zu places) and %s\n", atlas_path.c_str(), source.places.size(),
                attribution_path.c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kairotex_make_atlas: %s\n", e.what());
    return 1;
  }
}
