#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "beam_input/udl_outline.h"
#include "cli/analysed_case.h"
#include "results/beam_report.h"
#include "results/listing_stores.h"
#include "settings/page_header.h"
#include "steel/steel_beam_state.h"

namespace trabeo::cli {

// Everything the printed report of one beam reads, as the main window holds it after an
// analysis or after opening a beam data file.
struct ReportSource {
  AnalysedCase beam;  // the project, its results and the unit settings
  std::unique_ptr<ListingStores> stores = std::make_unique<ListingStores>();
  std::unique_ptr<SteelCheckState> steel = std::make_unique<SteelCheckState>();
  UdlOutline outline;
  DrawnLoadCounts drawnLoads;
  HeaderTexts header;  // the default page header: every text empty

  BeamReportInputs inputs() const;
};

// True for a beam data file's name: it ends in ".trb", in any letter case.
bool IsBeamDataFileName(std::string_view path);

// A beam case analysed as "analyse" does, its listing written into the stores and its loads
// drawn, as the main window leaves them after an analysis.
std::variant<std::unique_ptr<ReportSource>, std::string> ReportSourceFromCase(
    const std::string& file, const std::optional<std::string>& unitsFile);

// A beam data file opened as File Open does (its own units, header, listing and results).
// The seam for the beam data file's reader, which this build does not have yet: it answers
// with a message until the reader is called from here.
std::variant<std::unique_ptr<ReportSource>, std::string> ReportSourceFromBeamFile(
    const std::string& file, const std::optional<std::string>& unitsFile);

}  // namespace trabeo::cli
