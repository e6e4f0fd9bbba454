#include <iostream>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  const kairotex::SystemClock clock;
  return kairotex::cli::RunCli(argc, argv, std::cout, std::cerr, clock);
}
