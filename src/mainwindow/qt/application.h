// The window program from its command line to its end: start-up in the
// program's order, the main window, the event loop, shutdown.
#pragma once

namespace kairotex {

// kairotex [--data-dir DIR] [--fixed-clock YYYY-MM-DDTHH:MM:SS]
//          [--exit-after-first-paint]
int RunWindowProgram(int argc, char** argv);

}  // namespace kairotex
