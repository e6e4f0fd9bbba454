// The atlas: towns with their coordinates and IANA zones, from the delivered
// ATLAS.DAT and the user's own PLACES.TXT, found by name.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kairotex {

inline constexpr const char* kAtlasFileName = "ATLAS.DAT";
inline constexpr const char* kUserPlacesFileName = "PLACES.TXT";

struct AtlasPlace {
  std::string name;          // UTF-8, as the place calls itself ("Zürich")
  std::string ascii_name;    // the same in plain ASCII ("Zurich")
  std::string region;        // the first-level division, UTF-8 ("Zurich", "Illinois")
  std::string country_code;  // ISO 3166 two letters ("CH")
  std::string country;       // the country's English name ("Switzerland")
  double latitude = 0;       // degrees, north positive
  double longitude = 0;      // degrees, east positive
  int64_t population = 0;
  std::string zone;  // IANA zone name ("Europe/Zurich")
  bool from_user_file = false;
};

class Atlas {
 public:
  // Reads an atlas file. Throws DataFileError naming the file and the first
  // line at fault when it is missing, not a file, or any record is malformed.
  static Atlas Load(const std::string& path);

  // Adds the places of a user's file (one a line: name, region, country,
  // latitude, longitude, zone). A missing file adds nothing; a bad line is
  // skipped and told in `warnings` with its file and line number.
  // `known_zone` says whether a zone name is in the system's database.
  void AddUserPlaces(const std::string& path,
                     const std::function<bool(const std::string&)>& known_zone,
                     std::vector<std::string>& warnings);

  // Places whose name starts with the query's first part, ignoring case and
  // accents; further comma-separated parts must each start a word of the
  // region, the country or the country code ("Ulm, DE", "springfield, ill").
  // An exact name comes before a longer one, then by population, largest
  // first; at most `limit`.
  std::vector<const AtlasPlace*> Search(std::string_view query, size_t limit) const;

  size_t size() const;

  // Every place: the atlas file's in its order, then the user's.
  const std::vector<AtlasPlace>& places() const { return places_; }

 private:
  // What the search compares, one for each place: its folded name and ASCII
  // name (empty when the same) in folded_names_, and its folded region,
  // country and code as one of qualifiers_ ("baden-wurttemberg,germany,de").
  struct SearchKey {
    uint32_t name_begin = 0, name_end = 0, ascii_end = 0;
    uint32_t qualifier = 0;
    // The population the ranking uses; for the user's places that of the
    // largest atlas place of the same name, so that they come just before it.
    int64_t rank_population = 0;
  };

  // Indexes places_.back().
  void IndexLastPlace(uint32_t qualifier, int64_t rank_population);
  static std::string Qualifier(const AtlasPlace& place);

  std::vector<AtlasPlace> places_;
  std::vector<SearchKey> keys_;
  std::string folded_names_;
  std::vector<std::string> qualifiers_;
  std::map<std::string, std::string, std::less<>> countries_;  // code -> English name
};

// "Ulm, Baden-Württemberg, Germany": name, region (when not empty and not the
// name) and country, UTF-8.
std::string PlaceLabel(const AtlasPlace& place);

}  // namespace kairotex
