#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "results/beam_report.h"
#include "session/project_session.h"

namespace trabeo::cli {

// Everything the printed report of one beam reads, as the main window holds it after an
// analysis or after opening a beam data file.
struct ReportSource {
  std::unique_ptr<ProjectSession> session;
  std::vector<std::string> messages;  // what the analysis or the opening said, in order

  BeamReportInputs inputs() const;
  const HeaderTexts& header() const { return session->header(); }
};

// True for a beam data file's name: it ends in ".trb", in any letter case.
bool IsBeamDataFileName(std::string_view path);

// A beam case analysed as "analyse" does, with its listing in the stores and its loads counted
// as the main window draws them.
std::variant<std::unique_ptr<ReportSource>, std::string> ReportSourceFromCase(
    const std::string& file, const std::optional<std::string>& unitsFile);

// A beam data file opened as File Open does in a program started in the current folder (its
// own units, header, listing and results). A units file given here is read first, as the
// preferences the program starts with.
std::variant<std::unique_ptr<ReportSource>, std::string> ReportSourceFromBeamFile(
    const std::string& file, const std::optional<std::string>& unitsFile);

}  // namespace trabeo::cli
