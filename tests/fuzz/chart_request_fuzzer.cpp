// The command line's chart flags through BuildChartRequest, then the election
// checks. Input: one byte of switches (--am, --pm, --now, --true-node), then
// '\n'-separated --date, --time, --zone, --lon, --lat, --name, --house,
// --zodiac, --kind, the option 27 line, --data-dir, --date-order. A record
// that passes the checks must describe a moment and place that exist.
#include <cmath>

#include "chart/election_checks.h"
#include "cli/chart_request.h"
#include "fuzz_support.h"
#include "settings/numeric_line.h"

using namespace kairotex;
using fuzz::Check;

namespace {

constexpr const char* kTarget = "chart_request";

void CheckRecord(const ElectionData& d, bool meridian_or_morinus) {
  const std::string moment = std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" +
                             std::to_string(d.Day) + " " + std::to_string(d.Hour) + ":" +
                             std::to_string(d.Minute) + " zone " + std::to_string(d.Zone);
  Check(d.Year >= kFirstChartYear && d.Year <= kLastChartYear &&
            IsExistingDate(d.Year, d.Month, d.Day),
        kTarget, "stored a date that does not exist: " + moment);
  Check(d.Hour >= 1 && d.Hour <= 12 && d.Minute >= 0 && d.Minute <= 59 && d.PmFlag >= 0 &&
            d.PmFlag <= 1,
        kTarget, "stored a time that does not exist: " + moment);
  Check(std::isfinite(d.Zone) && d.Zone >= -13 && d.Zone <= 12, kTarget,
        "stored a zone outside -13..12: " + moment);
  const std::string place = std::to_string(d.LonDegrees) + "." + std::to_string(d.LonMinutes) +
                            " " + std::to_string(d.LatDegrees) + "." + std::to_string(d.LatMinutes);
  Check(d.LonDegrees >= 0 && d.LonMinutes >= 0 && d.LonMinutes <= 59 && d.LatDegrees >= 0 &&
            d.LatMinutes >= 0 && d.LatMinutes <= 59,
        kTarget, "stored a place field out of range: " + place);
  const int lat = d.LatDegrees * 60 + d.LatMinutes;
  Check(lat <= 90 * 60 && (meridian_or_morinus || lat <= 66 * 60), kTarget,
        "stored a latitude the house system cannot take: " + place);
  Check(d.LonDegrees * 60 + d.LonMinutes <= 180 * 60, kTarget,
        "stored a longitude beyond 180 degrees: " + place);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<std::string> parts = fuzz::SplitLines(fuzz::Bytes(data + 1, size - 1), 12);
  parts.resize(12);
  cli::ChartFlags flags;
  flags.am = data[0] & 1;
  flags.pm = data[0] & 2;
  flags.now = data[0] & 4;
  flags.true_node = data[0] & 8;
  flags.date = parts[0];
  flags.time = parts[1];
  flags.zone = parts[2];
  flags.lon = parts[3];
  flags.lat = parts[4];
  flags.name = parts[5];
  flags.house = parts[6];
  flags.zodiac = parts[7];
  flags.kind = parts[8];
  // Option 27 as OPTIONS.OPT can hold it: the number in a 7-character field.
  const float option27 = static_cast<float>(ReadNumericField(parts[9]));
  flags.data_dir = parts[10];
  flags.date_order = parts[11];

  ElectionData start;
  start.Name = "Now";
  fuzz::CountingSink messages;
  try {
    cli::ChartRequest request;
    if (const auto error = cli::BuildChartRequest(flags, start, option27, request)) {
      Check(error->message.starts_with("--"), kTarget,
            "a flag error that names no flag: " + error->message);
      return 0;
    }
    const bool mm = request.settings.MeridianOrMorinus();
    const int input_error = ValidateElectionData(request.entry, mm, messages);
    Check(input_error == 0 || input_error == 1, kTarget, "input-error flag not 0 or 1");
    Check((input_error == 1) == (messages.count > 0), kTarget,
          "the input-error flag and the messages disagree");
    const int shown = messages.count;
    const auto record = StoreElectionData(request.entry, mm, messages);
    Check(record.has_value() == (input_error == 0), kTarget,
          "StoreElectionData disagrees with ValidateElectionData");
    Check(messages.count == 2 * shown, kTarget, "the checks gave different messages twice");
    if (record) CheckRecord(*record, mm);
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  return 0;
}
