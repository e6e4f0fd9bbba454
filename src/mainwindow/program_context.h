// The window program's state: one program context, made at start-up and
// passed to every command. It holds the options, the window settings, the
// regional format, the data tables, the title text, the orb file, the report
// buffer, the chart with its election data, and the menu check marks that
// are settings.
#pragma once

#include <memory>
#include <string>

#include "aspects/aspect_codes.h"
#include "chart/chart_program.h"
#include "chart/chart_state.h"
#include "chart/platform.h"
#include "mainwindow/screen_class.h"
#include "reports/report_buffer.h"
#include "settings/window_settings.h"

namespace kairotex {

class Atlas;

struct ProgramContext {
  ProgramContext(const Clock& clock_source, MessageSink& message_sink)
      : clock(clock_source), messages(message_sink), reports(message_sink) {}
  ProgramContext(const ProgramContext&) = delete;
  ProgramContext& operator=(const ProgramContext&) = delete;

  const Clock& clock;
  MessageSink& messages;

  // ProgramDir, the options table, the data tables, the orbital elements and
  // the regional format.
  ChartProgram program;
  WindowSettings window;
  std::string user_name_line;
  std::string title_text;
  ScreenClass screen;
  ReportBuffer reports;

  // The house items, Clock Running, Helio Chart and Declination chart.
  ChartSettings checks;
  ElectionData election;
  // The chart on screen; it also names the current orb file, which every
  // chart resets to NATAL.ORB.
  ChartState chart;
  bool chart_exists = false;
  // The orb table of the aspect window, read anew each time it opens and
  // kept as it was when the orb file cannot be read.
  OrbTable orbs{};
  // The atlas of the Place box, read when first needed (ProgramAtlas).
  std::shared_ptr<const Atlas> atlas;

  // The folder of the precise ephemeris' files.
  std::string ephemeris_folder;

  const std::string& program_dir() const { return program.program_dir; }
};

}  // namespace kairotex
