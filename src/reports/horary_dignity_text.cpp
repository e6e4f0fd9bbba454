// The dignity table's lines: heading, one row per planet and the Part of
// Fortune. Every column is ten characters wide.
#include "reports/horary_basics_text.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr const char* kNoExaltation = " ---      ";
constexpr const char* kFortuneStrength = "Strength  = ";

std::string RateText(const MotionRate& rate) {
  return PlainNumberText(rate.degrees) + "d " + FormatNumber(rate.minutes, "00") + "m";
}

}  // namespace

void NoteRuler(std::string& line, const ChartState& chart, int ruler) {
  line += chart.ObjectNamePadded.at(ruler);
  line += ' ';
}

std::vector<std::string> DignityTableHeading() {
  return {
      "  Planet    Sign      Exlt.     Trip.     Term      Face      Speed      Rate",
      "  ------    ----      -----     -----     ----      ----      -----      ----",
  };
}

std::string DignityRowText(const DignityRow& row, const ChartState& chart, double fortune_score) {
  std::string line = "  " + chart.ObjectNamePadded.at(row.object) + " ";
  for (int column = 0; column < kDignityColumnCount; ++column) {
    const int ruler = row.rulers[column];
    if (column == kExaltationColumn && ruler == 0) {
      line += kNoExaltation;
    } else {
      NoteRuler(line, chart, ruler);
    }
  }
  if (!row.motion) return line + kFortuneStrength + PlainNumberText(fortune_score);

  const PlanetMotionFacts& motion = *row.motion;
  line += SpeedWordText(motion.speed);
  line += ' ';
  line += motion.retrograde ? 'R' : ' ';
  // The Moon's two-digit rate starts one place earlier, under the same column.
  line += row.object == kMoon ? "   " : "    ";
  line += RateText(motion.rate);
  line += std::string(9, ' ');
  return line;
}

}  // namespace kairotex
