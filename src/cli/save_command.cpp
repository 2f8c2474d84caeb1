#include <optional>
#include <variant>

#include "cli/analysed_case.h"
#include "cli/commands.h"
#include "document/save_beam_file.h"
#include "results/load_diagram.h"

namespace trabeo::cli {
namespace {

struct SaveOptions {
  std::string caseFile;
  std::string beamFile;
  std::optional<std::string> unitsFile;
};

std::variant<SaveOptions, std::string> ParseOptions(std::span<const std::string> args) {
  SaveOptions options;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--units") {
      if (i + 1 == args.size()) return std::string("--units needs a value");
      options.unitsFile = args[++i];
    } else if (args[i].starts_with("--")) {
      return "unknown option " + args[i];
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return std::string("give a beam case and the beam data file to write");
  options.caseFile = files[0];
  options.beamFile = files[1];
  return options;
}

}  // namespace

int RunSaveCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto options = ParseOptions(args);
  if (const auto* problem = std::get_if<std::string>(&options)) {
    err << "trabeo-cli save: " << *problem << "\n";
    return kExitBadInput;
  }
  const auto& opts = std::get<SaveOptions>(options);
  auto analysed = AnalyseCaseFile(opts.caseFile, opts.unitsFile);
  if (const auto* problem = std::get_if<std::string>(&analysed)) {
    err << "trabeo-cli save: " << *problem << "\n";
    return kExitBadInput;
  }
  const AnalysedCase& beam = std::get<AnalysedCase>(analysed);
  const std::string problem = beam.session->SaveBeamFileTo(opts.beamFile);
  if (!problem.empty()) {
    err << "trabeo-cli save: " << kFileSavingErrorMessage << ": " << problem << "\n";
    return kExitBadInput;
  }
  for (const std::string& message : beam.outcome.messages)
    out << message << "\n";
  return kExitOk;
}

}  // namespace trabeo::cli
