#include "mainwindow/text_file_editor.h"

#include <fstream>
#include <sstream>

namespace kairotex {
namespace {

// Every line of the text with CR LF, whatever line ends it came with.
std::string WithCrLf(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r') {
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> ReadEditorText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  std::string text = WithCrLf(bytes.str());
  const bool ends_with_line_end = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
  if (!text.empty() && !ends_with_line_end) text += "\r\n";
  return text;
}

std::string EditorTextToSave(std::string_view text) {
  std::string body = WithCrLf(text);
  body = body.size() < 2 ? std::string() : body.substr(0, body.size() - 2);
  return body + "\r\n";
}

}  // namespace kairotex
