// Start-up of the window program, the parts that need no window: the
// settings files, the options, the tables and the first chart.
#pragma once

#include <string>

#include "mainwindow/program_context.h"

namespace kairotex {

// The message of a second start while a copy is running.
inline constexpr const char* kAlreadyRunningTitle = "WARNING!";
inline constexpr const char* kAlreadyRunningMessage =
    "KAIROTEX is already running. For your protection you cannot have more than one copy of "
    "KAIROTEX running at a time.";

// Stores ProgramDir and reads the window settings, the regional format and
// the user name line (user_name_path, the file MYNAME of the current folder);
// a settings or name file that is there but cannot be read is told.
void ReadStartupSettings(ProgramContext& context, const std::string& program_dir,
                         const RegionalFormat& regional, const std::string& user_name_path);

// The rest of start-up: the options and the title text, the orbital
// elements, the house item of option 27, Clock Running checked, the data
// files, the present moment and the first chart. Throws DataFileError
// naming the file when OPTIONS.OPT or a data file is missing or malformed.
void CastFirstChart(ProgramContext& context);

// The window settings written at shutdown; false with the reason in *error.
bool SaveProgramSettings(const ProgramContext& context, std::string* error);

}  // namespace kairotex
