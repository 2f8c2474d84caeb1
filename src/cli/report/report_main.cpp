// trabeo-report: "trabeo-cli report" in a program of its own, the only one of the batch programs
// that loads Qt, so that every other command starts without it. trabeo-cli runs it in its own
// place with the arguments after "report"; its messages and exit statuses are the command's.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

int main(int argc, char** argv) {
  // Past a file-size limit the PDF writer reports the failed write instead of the process ending.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return trabeo::cli::RunReportCommand(args, std::cout, std::cerr);
}
