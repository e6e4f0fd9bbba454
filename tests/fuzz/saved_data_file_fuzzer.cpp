// The saved data file's text and proposed name from fuzzed buffer lines and
// option 50. Input: four bytes of option 50 (a float), then the buffer lines
// separated by '\n'; the first line is also the chart title.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "fuzz_support.h"
#include "reports/report_buffer.h"
#include "reports/saved_data_file.h"
#include "settings/program_dir.h"

using namespace kairotex;
using fuzz::Check;

namespace {

constexpr const char* kTarget = "saved_data_file";

void CheckName(const std::string& title) {
  const std::string name = ProposedDataFileName(title);
  Check(name.ends_with(".DOC") && name.size() <= 12, kTarget, "proposed name \"" + name + "\"");
  for (size_t i = 0; i + 4 < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    Check(c >= 32 && c != 127 && std::strchr("\\/:*?\"<>|", c) == nullptr, kTarget,
          "proposed name \"" + name + "\" holds a character no file name can");
  }
}

// The form-feed step as documented: option 50 - 1 rounded half to even; none below 1.
long ExpectedStep(float option50) {
  const double step = std::nearbyint(static_cast<double>(option50) - 1.0);
  return step >= 1.0 && step <= 1e9 ? static_cast<long>(step) : 0;
}

void CheckText(const ReportBuffer& buffer, float option50, const std::string& text) {
  const auto& lines = buffer.data_lines();
  const long step = ExpectedStep(option50);
  size_t at = 0;
  const auto expect = [&](std::string_view piece, const char* what, int line) {
    if (text.compare(at, piece.size(), piece) != 0) {
      fuzz::Fail(kTarget, std::string(what) + " " + std::to_string(line) + " missing at offset " +
                              std::to_string(at));
    }
    at += piece.size();
  };
  for (int i = 0; i <= buffer.data_line_count(); ++i) {
    expect(lines[i], "line", i);
    expect("\r\n", "the line end of line", i);
    if (step > 0 && i != 0 && i % step == 0) expect("\f\r\n", "the form feed after line", i);
  }
  expect("\f\r\n", "the closing form feed after line", buffer.data_line_count());
  Check(at == text.size(), kTarget, "text continues after the closing form feed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < sizeof(float)) return 0;
  float option50;
  std::memcpy(&option50, data, sizeof option50);
  const std::vector<std::string> lines =
      fuzz::SplitLines(fuzz::Bytes(data + sizeof option50, size - sizeof option50));

  fuzz::CountingSink messages;
  try {
    ReportBuffer buffer(messages);
    buffer.StartReport();
    buffer.AppendLines(lines);
    CheckName(lines.front());
    const std::string text = DataFileText(buffer, option50);
    CheckText(buffer, option50, text);

    const std::string path = ProgramPath(fuzz::ScratchDir(), "SAVED.DOC");
    std::remove(path.c_str());
    const int before = messages.count;
    const bool saved = SaveDataFile(path, buffer, option50, messages);
    Check(saved == (buffer.data_line_count() > 0), kTarget,
          "saving a buffer of " + std::to_string(buffer.data_line_count()) + " lines returned " +
              (saved ? "true" : "false") + " " + messages.last);
    Check(messages.count == before + (saved ? 0 : 1), kTarget, "saving gave no or extra messages");
    if (saved)
      Check(fuzz::ReadBytes(path) == text, kTarget, "the saved file differs from its text");
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  return 0;
}
