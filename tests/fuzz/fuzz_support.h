// What the fuzz targets share: a scratch folder per process, the input
// written as a file, a message sink that counts, and a failed invariant that
// stops the run with the target's name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/platform.h"

namespace kairotex::fuzz {

// A folder made once (mkdtemp under $TMPDIR, else /tmp) and removed at exit.
const std::string& ScratchDir();

std::string_view Bytes(const uint8_t* data, size_t size);

// Replaces the file with exactly these bytes; a failed write stops the run,
// as the target could not test what it means to.
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

// Splits at '\n' into at most max_parts pieces; the last keeps the rest.
std::vector<std::string> SplitLines(std::string_view text, size_t max_parts = SIZE_MAX);

// Prints "fuzz target TARGET: WHAT" and aborts, which libFuzzer reports as a
// crash and saves the input.
[[noreturn]] void Fail(const char* target, const std::string& what);

inline void Check(bool holds, const char* target, const std::string& what) {
  if (!holds) Fail(target, what);
}

class CountingSink : public MessageSink {
 public:
  void ShowMessage(std::string_view text, std::string_view, MessageIcon) override {
    ++count;
    last = std::string(text);
  }
  int count = 0;
  std::string last;
};

}  // namespace kairotex::fuzz
