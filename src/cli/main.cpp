#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <iostream>

#include "cli/cli_app.h"

// The wheel command is drawn by its own program beside this one, so that the
// chart commands start without loading Qt.
void RunWheelProgram(char** argv) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return;
  const std::string program = (self.parent_path() / kairotex::cli::kWheelProgramName).string();
  execv(program.c_str(), argv);  // returns only when it could not start
}

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "wheel") == 0) RunWheelProgram(argv);
  const kairotex::SystemClock clock;
  return kairotex::cli::RunCli(argc, argv, std::cout, std::cerr, clock);
}
