#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

int main(int argc, char** argv) {
  // Past a file-size limit a write then fails, and the writers report it and remove their
  // temporary file, instead of the process ending with the file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return trabeo::cli::RunCli(args, std::cout, std::cerr, trabeo::cli::RunReportInHelper);
}
