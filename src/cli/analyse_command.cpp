#include <memory>
#include <variant>

#include "cli/beam_json.h"
#include "cli/commands.h"
#include "cli/results_json.h"
#include "engine/analysis.h"
#include "fileio/file_bytes.h"
#include "settings/sig_fig.h"

namespace trabeo::cli {
namespace {

struct AnalyseOptions {
  std::string file;
  bool json = false;
};

std::variant<AnalyseOptions, std::string> ParseOptions(std::span<const std::string> args) {
  AnalyseOptions options;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      options.json = true;
    } else if (arg.starts_with("--")) {
      return "unknown option " + arg;
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      return "more than one beam file given";
    }
  }
  if (options.file.empty()) return std::string("no beam file given");
  return options;
}

void PrintSummary(const BeamResults& r, const AnalysisReport& report, std::ostream& out) {
  for (const std::string& message : report.messages)
    out << message << "\n";
  const auto kN = [](double newtons) { return SigFig4(newtons / 1000) + " kN"; };
  const auto kNm = [](double newtonMillimetres) {
    return SigFig4(newtonMillimetres / 1e6) + " kN-m";
  };
  const auto mm = [](double millimetres) { return SigFig4(millimetres) + " mm"; };
  out << "Reactions:          LH " << kN(r.Reactions[0]) << ", RH " << kN(r.Reactions[1]) << "\n";
  out << "Total applied load: " << kN(r.TotalAppliedLoad) << "\n";
  out << "Largest shear:      " << kN(r.ShearExtremes[0]) << " (greatest " << kN(r.ShearExtremes[1])
      << ", least " << kN(r.ShearExtremes[2]) << ")\n";
  out << "Largest moment:     " << kNm(r.MomentExtremes[0]) << " (sagging "
      << kNm(r.MomentExtremes[2]) << ", hogging " << kNm(r.MomentExtremes[1]) << ")\n";
  out << "Largest deflection: " << mm(r.DeflectionExtremes[0]) << " (downward "
      << mm(-r.DeflectionExtremes[1]) << ", upward " << mm(r.DeflectionExtremes[2]) << ")\n";
}

}  // namespace

int RunAnalyseCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto options = ParseOptions(args);
  if (const auto* problem = std::get_if<std::string>(&options)) {
    err << "trabeo-cli analyse: " << *problem << "\n";
    return kExitBadInput;
  }
  const auto& opts = std::get<AnalyseOptions>(options);
  const auto bytes = ReadFileBytes(opts.file);
  if (!bytes) {
    err << "trabeo-cli analyse: cannot read " << opts.file << "\n";
    return kExitBadInput;
  }
  const auto parsed = ParseBeamJson(std::string(bytes->begin(), bytes->end()));
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    err << "trabeo-cli analyse: " << opts.file << ": " << *problem << "\n";
    return kExitBadInput;
  }
  const BeamModel& model = std::get<BeamModel>(parsed);
  auto state = std::make_unique<AnalysisState>();
  const AnalysisReport report = RunAnalysis(model, *state);
  if (opts.json) {
    out << ResultsToJson(state->results, report.messages).dump(2) << "\n";
  } else {
    PrintSummary(state->results, report, out);
  }
  return kExitOk;
}

}  // namespace trabeo::cli
