#include "cli/report_source.h"

#include <algorithm>
#include <cctype>

#include "cli/analysed_case.h"

namespace trabeo::cli {

BeamReportInputs ReportSource::inputs() const {
  return session->ReportInputs();
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
  AnalysedCase& beam = std::get<AnalysedCase>(analysed);
  auto source = std::make_unique<ReportSource>();
  source->session = std::move(beam.session);
  source->messages = std::move(beam.messages);
  return source;
}

std::variant<std::unique_ptr<ReportSource>, std::string> ReportSourceFromBeamFile(
    const std::string& file, const std::optional<std::string>& unitsFile) {
  auto source = std::make_unique<ReportSource>();
  source->session = std::make_unique<ProjectSession>(std::filesystem::current_path());
  source->session->LoadPreferences();
  if (unitsFile) {
    auto units = LoadUnits(unitsFile);
    if (auto* problem = std::get_if<std::string>(&units)) return std::move(*problem);
    source->session->SetUnits(std::get<UnitSettings>(units));
  }
  OpenBeamResult opened = source->session->OpenBeamFile(file);
  if (!opened.opened) {
    std::string problem = "cannot open " + file;
    for (const std::string& message : opened.messages)
      problem += ": " + message;
    return problem;
  }
  source->messages = std::move(opened.messages);
  return source;
}

}  // namespace trabeo::cli
