#include "chart/chart_program.h"

namespace kairotex {

ChartProgram LoadChartProgram(const std::string& program_dir, const RegionalFormat& regional) {
  ChartProgram program;
  program.program_dir = program_dir;
  program.regional = regional;
  program.options_warning = LoadOptions(program_dir, program.options).warning;
  program.elements = InitOrbitalElements();
  program.tables = LoadDataFiles(program_dir);
  return program;
}

}  // namespace kairotex
