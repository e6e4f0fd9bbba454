#include "aspects/aspect_list_words.h"

#include "settings/name_tables.h"

namespace kairotex {
namespace {

// Wide enough for "PART F." and "Contraparallel" with a gap after each.
constexpr std::size_t kObjectColumn = 11;
constexpr std::size_t kAspectColumn = 15;

std::string_view TrimRight(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view ObjectWord(int object, bool heliocentric) {
  if (heliocentric && object == kSun) return "EARTH";
  return TrimRight(kObjectName[object]);
}

std::string_view AspectWord(const AspectListEntry& entry) {
  if (entry.code == kParallel) return entry.contraparallel ? "Contraparallel" : "Parallel";
  if (entry.code == kSeptile) return "Septile";  // the name table stops at code 16
  return TrimRight(AspectName(entry.code));
}

void AppendPadded(std::string& text, std::string_view word, std::size_t width) {
  text += word;
  if (word.size() < width) text.append(width - word.size(), ' ');
}

void AppendLines(const std::vector<AspectListEntry>& entries, bool heliocentric,
                 std::string_view line_end, std::string& text) {
  for (const AspectListEntry& entry : entries) {
    AppendPadded(text, ObjectWord(entry.row_object, heliocentric), kObjectColumn);
    AppendPadded(text, AspectWord(entry), kAspectColumn);
    text += ObjectWord(entry.column_object, heliocentric);
    text += line_end;
  }
}

}  // namespace

std::string AspectListWords(const AspectList& list, bool heliocentric, std::string_view line_end) {
  std::string text;
  AppendLines(list.aspects, heliocentric, line_end, text);
  text += line_end;
  AppendLines(list.parallels, heliocentric, line_end, text);
  return text;
}

}  // namespace kairotex
