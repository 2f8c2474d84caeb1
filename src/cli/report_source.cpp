#include "cli/report_source.h"

#include <algorithm>
#include <cctype>

#include "results/results_listing.h"

namespace trabeo::cli {

BeamReportInputs ReportSource::inputs() const {
  return {*beam.project, beam.state->results, *stores, *steel, outline, drawnLoads, beam.units};
}

bool IsBeamDataFileName(std::string_view path) {
  constexpr std::string_view kExtension = ".trb";
  if (path.size() < kExtension.size()) return false;
  const std::string_view end = path.substr(path.size() - kExtension.size());
  return std::equal(end.begin(), end.end(), kExtension.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

std::variant<std::unique_ptr<ReportSource>, std::string> ReportSourceFromCase(
    const std::string& file, const std::optional<std::string>& unitsFile) {
  auto analysed = AnalyseCaseFile(file, unitsFile);
  if (auto* problem = std::get_if<std::string>(&analysed)) return std::move(*problem);
  auto source = std::make_unique<ReportSource>();
  source->beam = std::get<AnalysedCase>(std::move(analysed));
  const BeamModel& model = source->beam.project->model;
  CodeCheckListing codeCheck;
  WriteResultsListing(*source->beam.project, source->beam.state->results, source->beam.units,
                      codeCheck, *source->stores);
  source->outline = BuildUdlOutline(model.Loads);
  source->drawnLoads = CountDrawnLoads(model.Loads);
  return source;
}

std::variant<std::unique_ptr<ReportSource>, std::string> ReportSourceFromBeamFile(
    const std::string& file, const std::optional<std::string>&) {
  return "cannot open " + file + ": this build does not read beam data files yet";
}

}  // namespace trabeo::cli
