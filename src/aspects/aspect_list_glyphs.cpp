#include "aspects/aspect_list_glyphs.h"

namespace kairotex {
namespace {

constexpr std::string_view kCrLf = "\r\n";

char GlyphByte(int code) {
  return static_cast<char>(static_cast<unsigned char>(code));
}

int ObjectGlyphOf(int object, bool heliocentric) {
  return heliocentric && object == kSun ? kEarthGlyph : ObjectGlyph(object);
}

int EntryGlyph(const AspectListEntry& entry) {
  if (entry.code != kParallel) return AspectGlyph(entry.code);
  return entry.contraparallel ? kContraparallelGlyph : kParallelGlyph;
}

void AppendLines(const std::vector<AspectListEntry>& entries, bool heliocentric,
                 std::string& text) {
  for (const AspectListEntry& entry : entries) {
    text += "  ";
    text += GlyphByte(ObjectGlyphOf(entry.row_object, heliocentric));
    text += ' ';
    text += GlyphByte(EntryGlyph(entry));
    text += ' ';
    text += GlyphByte(ObjectGlyphOf(entry.column_object, heliocentric));
    text += kCrLf;
  }
}

}  // namespace

std::string AspectListGlyphText(const AspectList& list, bool heliocentric) {
  std::string text(kCrLf);
  AppendLines(list.aspects, heliocentric, text);
  text += kCrLf;
  AppendLines(list.parallels, heliocentric, text);
  return text;
}

}  // namespace kairotex
