// OPTIONS.OPT through LoadOptions: a refused file leaves the table as it was;
// a read file sets options 1 .. lines_read from their 7-character fields and
// leaves the rest alone.
#include <cmath>

#include "fuzz_support.h"
#include "settings/data_file_error.h"
#include "settings/options.h"
#include "settings/program_dir.h"

using namespace kairotex;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr const char* kTarget = "options";
  const std::string& dir = fuzz::ScratchDir();
  fuzz::WriteBytes(ProgramPath(dir, "OPTIONS.OPT"), fuzz::Bytes(data, size));

  // Marks no 7-character field can produce, so a changed entry shows.
  OptionsTable options;
  for (int i = 1; i <= kOptionCount; ++i) options[i] = 1e9f + static_cast<float>(i) * 1e3f;
  const OptionsTable before = options;
  try {
    const OptionsFileReport report = LoadOptions(dir, options);
    Check(report.lines_read >= 0 && report.lines_read <= kOptionCount, kTarget,
          "lines_read " + std::to_string(report.lines_read) + " is outside 0..130");
    Check(report.warning.empty() == (report.lines_read == kOptionCount), kTarget,
          "early-end warning \"" + report.warning + "\" after " +
              std::to_string(report.lines_read) + " lines");
    for (int i = 1; i <= kOptionCount; ++i) {
      // Seven characters hold at most 9999999.
      const bool kept = i > report.lines_read
                            ? options[i] == before[i]
                            : std::isfinite(options[i]) && std::fabs(options[i]) <= 1e7f;
      if (!kept) {
        fuzz::Fail(kTarget, "option " + std::to_string(i) + " = " + std::to_string(options[i]) +
                                " after " + std::to_string(report.lines_read) + " lines read");
      }
    }
  } catch (const DataFileError& e) {
    Check(options.values == before.values, kTarget, "a refused file changed the table");
    Check(std::string(e.what()).find("OPTIONS.OPT") != std::string::npos, kTarget,
          std::string("the refusal does not name the file: ") + e.what());
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  return 0;
}
