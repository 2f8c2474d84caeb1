#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <variant>

#include "cli/analysed_case.h"
#include "cli/commands.h"
#include "results/point_results.h"

namespace trabeo::cli {
namespace {

struct PointOptions {
  std::string file;
  std::optional<std::string> position;  // as typed into the window, in the display length unit
  bool json = false;
  std::optional<std::string> unitsFile;
};

std::variant<PointOptions, std::string> ParseOptions(std::span<const std::string> args) {
  PointOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--units") {
      if (i + 1 == args.size()) return arg + " needs a value";
      options.unitsFile = args[++i];
    } else if (arg.starts_with("--")) {
      return "unknown option " + arg;
    } else if (options.file.empty()) {
      options.file = arg;
    } else if (!options.position) {
      options.position = arg;  // a negative distance reads as a position, not an option
    } else {
      return std::string("more than one position given");
    }
  }
  if (options.file.empty()) return std::string("no beam file given");
  if (!options.position) return std::string("no position given");
  return options;
}

nlohmann::json PointJson(const PointResultsState& st) {
  nlohmann::json out;
  out["PointPosition"] = double{st.PointPosition};
  out["PointSegment"] = st.PointSegment;
  out["PointNumerator"] = st.PointNumerator;
  out["PointDenominator"] = st.PointDenominator;
  out["PointShear"] = double{st.PointShear};
  out["PointMoment"] = double{st.PointMoment};
  out["PointStress"] = double{st.PointStress};
  out["PointDeflection"] = double{st.PointDeflection};
  out["Lines"] = LatestPointBlock(st);
  return out;
}

}  // namespace

int RunPointCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto options = ParseOptions(args);
  if (const auto* problem = std::get_if<std::string>(&options)) {
    err << "trabeo-cli point: " << *problem << "\n";
    return kExitBadInput;
  }
  const auto& opts = std::get<PointOptions>(options);
  auto analysed = AnalyseCaseFile(opts.file, opts.unitsFile);
  if (const auto* problem = std::get_if<std::string>(&analysed)) {
    err << "trabeo-cli point: " << *problem << "\n";
    return kExitBadInput;
  }
  const AnalysedCase& beam = std::get<AnalysedCase>(analysed);
  // Standard output carries the point's lines alone; the analysis messages go beside them.
  for (const std::string& message : beam.messages)
    err << message << "\n";

  const ProjectSession& session = *beam.session;
  const PointInputs inputs{session.model(), session.results(), session.units(),
                           session.ResultsValid()};
  auto window = std::make_unique<PointResultsState>();
  const PointCalculation calculation = CalculatePointResults(*window, *opts.position, inputs);
  if (calculation.outcome == PointOutcome::Refused) {
    out << calculation.message << "\n";  // as the window shows it, whatever the format
  } else if (opts.json) {
    out << PointJson(*window).dump(2) << "\n";
  } else {
    for (const std::string& line : LatestPointBlock(*window))
      out << line << "\n";
  }
  return kExitOk;
}

}  // namespace trabeo::cli
