// The units file (TRB4_Unit.dim) as any bytes: decoded over the start-up defaults, its names shown
// beside values and in the results listing, and written back.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "engine/analysis.h"
#include "fuzz_support.h"
#include "results/results_listing.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "settings/units_file.h"

namespace {

using namespace trabeo;

// A small beam with both kinds of load, analysed once: the listing then shows every unit.
const BeamProject& ListedBeam() {
  static const auto project = [] {
    auto p = std::make_unique<BeamProject>();
    BeamModel& m = p->model;
    m.MainSpan = {1, 6000, 205000, 1e8, 0};
    m.LhCantilever = {1, 1500, 0, 0, 0};
    m.TotalLength = 7500;
    m.SectionIxx = 1e8f;
    m.FibreDistance = 150;
    m.Loads.row(1) = {1, 2000, 10000, 0, 0, 1.4f, 1, 0};
    m.Loads.row(2) = {-1, 0, 5, 8, 6000, 1.6f, 1, 0};
    return p;
  }();
  return *project;
}

const BeamResults& ListedResults() {
  static const auto state = [] {
    auto s = std::make_unique<AnalysisState>();
    RunAnalysis(ListedBeam().model, *s);
    return s;
  }();
  return state->results;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace trabeo;
  UnitSettings units;
  ApplyStartupDefaults(units);
  DecodeUnitsFile(std::span(data, size), units);

  // Unit names are the user's own texts and may spell "inf"; the numbers may not.
  for (UnitQuantity quantity : kAllUnitQuantities) {
    const std::string shown = ShowValue(units, quantity, 1234.5, SigFig3);
    fuzz::RequireShowable(std::span(&shown, 1));
    const std::string named = ShowValueWithUnit(units, quantity, 1234.5, SigFig3);
    fuzz::Require(fuzz::IsValidUtf8(named), "shown text is valid UTF-8", named);
  }
  auto stores = std::make_unique<ListingStores>();
  CodeCheckListing codeCheck;
  for (const std::string& line :
       WriteResultsListing(ListedBeam(), ListedResults(), units, codeCheck, *stores).lines)
    fuzz::Require(fuzz::IsValidUtf8(line), "listed text is valid UTF-8", line);

  // What was read is written back so that it reads the same again.
  const std::vector<uint8_t> written = EncodeUnitsFile(units);
  UnitSettings reread;
  fuzz::Require(DecodeUnitsFile(written, reread) == UnitsFileState::Complete,
                "a written units file reads back whole");
  fuzz::Require(EncodeUnitsFile(reread) == written, "a written units file rewrites unchanged");
  return 0;
}
