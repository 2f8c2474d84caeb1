#pragma once

#include <string>

#include "engine/beam_results.h"
#include "model/beam_project.h"
#include "model/steel_beam_state.h"
#include "model/udl_outline.h"
#include "platform/print_job.h"
#include "results/listing_stores.h"
#include "results/load_diagram.h"
#include "settings/report_page.h"
#include "settings/unit_settings.h"

namespace trabeo {

inline constexpr const char* kNothingToPrintMessage = "Nothing to print!";

// What the printed report reads: the beam (with its restraints and timber values), the
// analysis's results, the stores of the last listing, the steel check's text, the drawn UDL
// outline and the counts of the loads drawn.
struct BeamReportInputs {
  const BeamProject& project;
  const BeamResults& results;
  const ListingStores& stores;
  const SteelCheckState& steel;
  const UdlOutline& outline;
  DrawnLoadCounts drawnLoads;
  const UnitSettings& units;
};

struct BeamReportOutcome {
  bool printed = false;
  std::string message;  // kNothingToPrintMessage when there are no results; show it
};

// Whether the analysis left results to print: without any shear there are none, and the
// report shows kNothingToPrintMessage instead. The window asks before it opens a preview.
bool HasResultsToPrint(const BeamResults& results);

// File > Print: the first page with the header, the beam and its loads, the shear, moment and
// deflection diagrams and the summary lines; for a timber beam a page of its check; for a steel
// beam the pages of its check sections and check text; then the load tables and the results
// at twentieths, breaking pages where the blocks say. Every page starts with the header, which
// names the current file only when it is a beam data file. Nothing is printed without results
// (no shear at all) or when the printer cannot start.
BeamReportOutcome PrintBeamReport(PrintJob& job, const BeamReportInputs& in,
                                  const HeaderSource& header);

}  // namespace trabeo
