#include "places/name_folding.h"

#include <cstdint>

namespace kairotex {
namespace {

// The plain letter of each code point U+00C0..U+017F. '*' marks a letter
// that becomes two (see TwoLetters), '#' a character that is not a letter
// (the signs × and ÷) and stays as it is.
constexpr std::string_view kPlainLetters =
    // U+00C0..U+00DF, then U+00E0..U+00FF
    "aaaaaa*ceeeeiiiidnooooo#ouuuuy**"
    "aaaaaa*ceeeeiiiidnooooo#ouuuuy*y"
    // U+0100..U+017F
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkk"
    "llllllllllnnnnnnnnnoooooo**rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

constexpr char32_t kFirstFolded = 0xC0;
static_assert(kPlainLetters.size() == 0x180 - kFirstFolded);

std::string_view TwoLetters(char32_t code) {
  switch (code) {
    case 0xC6:
    case 0xE6:
      return "ae";
    case 0xDE:
    case 0xFE:
      return "th";
    case 0xDF:
      return "ss";
    case 0x132:
    case 0x133:
      return "ij";
    default:
      return "oe";  // U+0152, U+0153
  }
}

// Letters beyond Latin Extended-A that Romanian and German names use.
std::string_view OtherPlainLetter(char32_t code) {
  switch (code) {
    case 0x218:
    case 0x219:
      return "s";
    case 0x21A:
    case 0x21B:
      return "t";
    case 0x1E9E:
      return "ss";
    default:
      return {};
  }
}

// The code point of a two- or three-byte UTF-8 sequence at text[i] and its
// length; length 0 when the bytes are not such a sequence.
char32_t DecodeAt(std::string_view text, size_t i, size_t& length) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const auto continuation = [&](size_t k) { return k < text.size() && (byte(k) & 0xC0) == 0x80; };
  length = 0;
  if ((byte(i) & 0xE0) == 0xC0 && continuation(i + 1)) {
    length = 2;
    return (char32_t(byte(i) & 0x1F) << 6) | (byte(i + 1) & 0x3F);
  }
  if ((byte(i) & 0xF0) == 0xE0 && continuation(i + 1) && continuation(i + 2)) {
    length = 3;
    return (char32_t(byte(i) & 0x0F) << 12) | (char32_t(byte(i + 1) & 0x3F) << 6) |
           (byte(i + 2) & 0x3F);
  }
  return 0;
}

}  // namespace

std::string FoldName(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c >= 'A' && c <= 'Z') {
      folded += static_cast<char>(c - 'A' + 'a');
      ++i;
      continue;
    }
    size_t length = 0;
    const char32_t code = static_cast<uint8_t>(c) < 0x80 ? 0 : DecodeAt(text, i, length);
    std::string_view plain;
    if (code >= kFirstFolded && code < 0x180) {
      const char letter = kPlainLetters[code - kFirstFolded];
      if (letter == '*') {
        plain = TwoLetters(code);
      } else if (letter != '#') {
        plain = std::string_view(&kPlainLetters[code - kFirstFolded], 1);
      }
    } else if (code != 0) {
      plain = OtherPlainLetter(code);
    }
    if (plain.empty()) {
      const size_t kept = length == 0 ? 1 : length;
      folded.append(text.substr(i, kept));
      i += kept;
    } else {
      folded += plain;
      i += length;
    }
  }
  return folded;
}

bool IsWordByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         static_cast<uint8_t>(c) >= 0x80;
}

}  // namespace kairotex
