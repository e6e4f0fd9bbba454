// The eight data files through LoadDataFiles. A scratch program folder holds
// the delivered files; the first input byte picks the file the rest of the
// input replaces. A refusal must name that file (the others are sound); a
// load that succeeds must leave every table within its field's range.
#include <array>
#include <cmath>
#include <filesystem>

#include "chart/data_files.h"
#include "fuzz_support.h"
#include "settings/data_file_error.h"
#include "settings/program_dir.h"

using namespace kairotex;
using fuzz::Check;

namespace {

constexpr const char* kTarget = "data_files";
constexpr std::array<const char*, 8> kFiles = {"HCDATA.DAT",  "RADIUS.DAT",      "ALMUTD1.DAT",
                                               "ALMUTD2.DAT", "ALMUTN1.DAT",     "ALMUTN2.DAT",
                                               "CHIRON.DAT",  "CHIRON_HELIO.DAT"};

template <size_t N>
void CheckRange(const std::array<int16_t, N>& table, int min, int max, const char* name) {
  for (size_t i = 0; i < N; ++i) {
    if (table[i] >= min && table[i] <= max) continue;
    fuzz::Fail(kTarget, std::string(name) + " entry " + std::to_string(i) + " = " +
                            std::to_string(table[i]));
  }
}

void CheckFloats(const std::vector<float>& table, float min, float max, const char* name) {
  Check(table.size() == static_cast<size_t>(kChironRecords), kTarget,
        std::string(name) + " holds " + std::to_string(table.size()) + " records");
  for (size_t i = 0; i < table.size(); ++i) {
    if (std::isfinite(table[i]) && table[i] >= min && table[i] <= max) continue;
    fuzz::Fail(kTarget, std::string(name) + " record " + std::to_string(i) + " = " +
                            std::to_string(table[i]));
  }
}

void CheckTables(const DataTables& t) {
  CheckRange(t.HcData, -287, 287, "HCDATA.DAT");
  CheckRange(t.RadiusData, 120, 217, "RADIUS.DAT");
  CheckRange(t.AlmutenDay1, 1, 16, "ALMUTD1.DAT");
  CheckRange(t.AlmutenDay2, 0, 16, "ALMUTD2.DAT");
  CheckRange(t.AlmutenNight1, 1, 16, "ALMUTN1.DAT");
  CheckRange(t.AlmutenNight2, 0, 16, "ALMUTN2.DAT");
  CheckFloats(t.ChironGeoLon, 0, 360, "CHIRON.DAT longitude");
  CheckFloats(t.ChironDecl, -90, 90, "CHIRON.DAT declination");
  CheckFloats(t.ChironHelioLon, 0, 360, "CHIRON_HELIO.DAT");
}

// The delivered files, copied once into the scratch folder and kept here to
// put back after each input.
struct ProgramFolder {
  ProgramFolder() {
    for (size_t i = 0; i < kFiles.size(); ++i) {
      originals[i] = fuzz::ReadBytes(ProgramPath(KAIROTEX_FUZZ_DATA_DIR, kFiles[i]));
      fuzz::WriteBytes(ProgramPath(fuzz::ScratchDir(), kFiles[i]), originals[i]);
    }
    try {
      CheckTables(LoadDataFiles(fuzz::ScratchDir()));
    } catch (const DataFileError& e) {
      fuzz::Fail(kTarget, std::string("the delivered data files do not load: ") + e.what());
    }
  }
  std::array<std::string, kFiles.size()> originals;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ProgramFolder folder;
  if (size == 0) return 0;
  const size_t chosen = data[0] % kFiles.size();
  const std::string path = ProgramPath(fuzz::ScratchDir(), kFiles[chosen]);
  fuzz::WriteBytes(path, fuzz::Bytes(data + 1, size - 1));
  try {
    CheckTables(LoadDataFiles(fuzz::ScratchDir()));
  } catch (const DataFileError& e) {
    Check(e.file() == path, kTarget,
          std::string("replacing ") + kFiles[chosen] +
              " gave a refusal of another file: " + e.what());
    Check(e.line() >= 0, kTarget, std::string("negative line number: ") + e.what());
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  fuzz::WriteBytes(path, folder.originals[chosen]);
  return 0;
}
