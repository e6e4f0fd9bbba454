// Speed of the wheel's drawing: one paint of a complete wheel into a
// 1024 x 768 image, as every window repaint and every minute of the running
// clock does. Target: under 3 ms.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench_chart.h"
#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "chartview/qt/wheel_export.h"

namespace kairotex {
namespace {

using bench::Program;
using bench::SilentMessages;

// 21 March 1990, 6.15 P.M., zone 5, 73w59 40n45: eight objects in the lower
// houses, aspect lines, a retrograde planet.
ChartState Chart(bool heliocentric, bool declinations) {
  const ElectionData e = bench::NewYorkElection(1990, 3, 21, 6, 15, true);
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.HelioChart = heliocentric;
  settings.DeclinationChart = declinations;
  const FixedClock clock({1990, 3, 21, 18, 15, 0}, 5);
  SilentMessages messages;
  ChartState state;
  CalculateChart(state, e, settings, Program().Context(clock, messages));
  return state;
}

void BM_PaintWheel(benchmark::State& bench, int16_t style, bool heliocentric, bool declinations) {
  EnsureGuiApplication();
  const HoraryFontLoad font = LoadHoraryFont(KAIROTEX_BENCH_DATA_DIR);
  if (!font.ok()) bench.SetLabel("without the glyph font");
  const ChartState chart = Chart(heliocentric, declinations);
  const WheelInputs inputs{chart, Program().options, Program().tables, style};
  QImage image(kWindowDrawingWidth, kWindowDrawingHeight, QImage::Format_RGB32);
  for (auto _ : bench) {
    PaintWheelImage(image, inputs, font.family);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK_CAPTURE(BM_PaintWheel, American, kAmericanStyle, false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintWheel, European, kEuropeanStyle, false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintWheel, Heliocentric, kAmericanStyle, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintWheel, Declinations, kAmericanStyle, false, true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kairotex
