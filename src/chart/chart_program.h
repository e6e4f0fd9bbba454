// The tables a program loads once at start-up to cast charts: the options,
// the data files, the orbital elements and the regional format.
#pragma once

#include <memory>
#include <string>

#include "chart/calculate_chart.h"
#include "chart/data_files.h"
#include "chart/planet_theory.h"
#include "settings/options.h"
#include "settings/regional_format.h"

namespace kairotex {

struct ChartProgram {
  std::string program_dir;
  OptionsTable options;
  DataTables tables;
  OrbitalElements elements{};
  RegionalFormat regional;
  std::string options_warning;  // OPTIONS.OPT ended before option 130
  // The precise ephemeris when it is chosen; null for the program's theories.
  std::shared_ptr<const Ephemeris> ephemeris;

  ChartContext Context(const Clock& clock, MessageSink& messages) const {
    return {options, tables, elements, regional, clock, messages, program_dir, ephemeris.get()};
  }
};

// Reads OPTIONS.OPT and the eight data files from program_dir and fills the
// orbital elements; an options file that ends early is noted in
// options_warning. Throws DataFileError naming the file and line at fault.
ChartProgram LoadChartProgram(const std::string& program_dir, const RegionalFormat& regional);

}  // namespace kairotex
