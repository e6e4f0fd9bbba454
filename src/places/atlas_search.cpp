// Finding places by the start of their name: a plain scan over the folded
// names, which takes well under a millisecond for the whole atlas.
#include <algorithm>

#include "places/atlas.h"
#include "places/name_folding.h"
#include "settings/file_text.h"

namespace kairotex {
namespace {

// The query's comma-separated parts, trimmed and folded; the empty ones
// after the first are left out ("Ulm," is "Ulm").
std::vector<std::string> QueryParts(std::string_view query) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t comma = query.find(',', start);
    const std::string_view part = TrimBlanks(query.substr(start, comma - start));
    if (parts.empty() || !part.empty()) parts.push_back(FoldName(part));
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

// Whether `part` starts a word of `text`.
bool StartsAWord(std::string_view text, std::string_view part) {
  for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
    if (at == 0 || !IsWordByte(text[at - 1])) return true;
  }
  return false;
}

struct Match {
  uint32_t index;
  bool exact;
};

}  // namespace

std::vector<const AtlasPlace*> Atlas::Search(std::string_view query, size_t limit) const {
  const std::vector<std::string> parts = QueryParts(query);
  const std::string_view first = parts.front();
  if (first.empty() || limit == 0) return {};

  const std::string_view names = folded_names_;
  std::vector<Match> matches;
  for (uint32_t i = 0; i < keys_.size(); ++i) {
    const SearchKey& key = keys_[i];
    const std::string_view name = names.substr(key.name_begin, key.name_end - key.name_begin);
    const std::string_view ascii = names.substr(key.name_end, key.ascii_end - key.name_end);
    const bool by_name = name.starts_with(first);
    const bool by_ascii = !ascii.empty() && ascii.starts_with(first);
    if (!by_name && !by_ascii) continue;
    const std::string_view qualifier = qualifiers_[key.qualifier];
    const bool qualified = std::all_of(parts.begin() + 1, parts.end(), [&](const std::string& p) {
      return StartsAWord(qualifier, p);
    });
    if (!qualified) continue;
    const bool exact =
        (by_name && name.size() == first.size()) || (by_ascii && ascii.size() == first.size());
    matches.push_back({i, exact});
  }

  // Exact names first, then the larger places; among places of one name the
  // user's come first (their rank population is their namesake's).
  const auto before = [&](const Match& a, const Match& b) {
    if (a.exact != b.exact) return a.exact;
    const SearchKey& ka = keys_[a.index];
    const SearchKey& kb = keys_[b.index];
    if (ka.rank_population != kb.rank_population) return ka.rank_population > kb.rank_population;
    const AtlasPlace& pa = places_[a.index];
    const AtlasPlace& pb = places_[b.index];
    if (pa.from_user_file != pb.from_user_file) return pa.from_user_file;
    if (pa.population != pb.population) return pa.population > pb.population;
    const std::string_view na = names.substr(ka.name_begin, ka.name_end - ka.name_begin);
    const std::string_view nb = names.substr(kb.name_begin, kb.name_end - kb.name_begin);
    if (na != nb) return na < nb;
    return a.index < b.index;
  };
  const size_t count = std::min(limit, matches.size());
  std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(count),
                    matches.end(), before);
  std::vector<const AtlasPlace*> found;
  found.reserve(count);
  for (size_t i = 0; i < count; ++i) found.push_back(&places_[matches[i].index]);
  return found;
}

}  // namespace kairotex
