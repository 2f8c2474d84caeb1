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
int RunReportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// Dispatches on the first argument, the command name.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace trabeo::cli
