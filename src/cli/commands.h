#pragma once

#include <ostream>
#include <span>
#include <string>

namespace trabeo::cli {

// Exit statuses of the batch front end.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCheckFailed = 1;  // a calculation refused its input (calc)
inline constexpr int kExitBadInput = 2;     // unusable arguments or input files

// Each command takes the arguments after its name.
int RunAnalyseCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunSectionsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunCalcCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunCatalogueCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunMemberCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunMemberFileCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunSaveCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunOpenCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunTimberSectionCommand(std::span<const std::string> args, std::ostream& out,
                            std::ostream& err);
int RunTimberMemberCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunBoltCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunPointCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// The printed report: in the report library, with Qt.
int RunReportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// The same by the helper program trabeo-report beside the running program, which takes this
// process's place; when it cannot be started, says so and gives kExitBadInput.
int RunReportInHelper(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// A command's entry: the arguments after its name, standard output and standard error.
using CommandFunction = int (*)(std::span<const std::string> args, std::ostream& out,
                                std::ostream& err);

// Dispatches on the first argument, the command name. "report" goes to `report`: the program
// trabeo-cli hands it to its helper program, which alone loads Qt, and the tests run it here.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           CommandFunction report);

// Runs "report" in this process; the caller links the report library (trabeo_cli_report).
inline int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunCli(args, out, err, RunReportCommand);
}

}  // namespace trabeo::cli
