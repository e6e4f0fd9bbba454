#include <iostream>

#include "cli/cli_app.h"
#include "cli/wheel_command.h"

int main(int argc, char** argv) {
  const kairotex::SystemClock clock;
  return kairotex::cli::RunCli(argc, argv, std::cout, std::cerr, clock, kairotex::cli::RunWheel);
}
