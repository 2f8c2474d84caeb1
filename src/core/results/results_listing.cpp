#include "results/results_listing.h"

#include "results/interval_tables.h"
#include "results/listing_context.h"
#include "results/load_tables.h"
#include "results/plain_summary.h"

namespace trabeo {
namespace {

void WriteSummaryBlock(const ListingContext& context, CodeCheckListing& codeCheck,
                       ListingLines& list, ListingStores& stores) {
  switch (context.model().DesignCode) {
    case DesignCode::None:
      WritePlainSummary(context, list, stores);
      break;
    case DesignCode::BS5268:
      WriteTimberSummaryBlock(context, codeCheck.timber, list, stores);
      break;
    case DesignCode::BS5950:
    case DesignCode::EN1993:
      WriteSteelSummaryBlock(context, codeCheck.steel, list, stores);
      break;
    default:  // codes without a check of their own have no summary
      stores.SummaryPrintLines.SetCount(0);
      break;
  }
}

}  // namespace

ResultsListing WriteResultsListing(const BeamProject& project, const BeamResults& results,
                                   const UnitSettings& units, CodeCheckListing& codeCheck,
                                   ListingStores& stores) {
  // Emptying every store first keeps lines of an earlier listing from surviving in slots this
  // one leaves free (the slot after the ratios when the stress is left out, a section of a
  // cantilever that has gone).
  stores.Clear();
  const ListingContext context = MakeListingContext(project, results, units);
  ResultsListing listing;
  ListingLines& list = listing.lines;

  WriteSummaryBlock(context, codeCheck, list, stores);
  list.emplace_back("");
  WriteUdlTable(context, list, stores);
  WritePointLoadTable(context, list, stores);
  WriteIntervalTables(context, list, stores);
  list.emplace_back("");
  if (project.model.DesignCode == DesignCode::BS5268)
    WriteTimberSectionLines(context, codeCheck.timber, list);
  if (IsSteelCode(project.model.DesignCode))
    listing.warningBlockShown = WriteSteelCheckText(context, codeCheck.steel, list);
  list.emplace_back("");

  listing.color = ListingColor(project.model.DesignCode, codeCheck.steel.ComplianceState(),
                               codeCheck.timber.TimberCheckFailed);
  return listing;
}

Color ListingColor(DesignCode designCode, int32_t complianceState, int32_t timberCheckFailed) {
  if (IsSteelCode(designCode) && complianceState == -1) return colors::kRed;
  if (designCode == DesignCode::BS5268 && timberCheckFailed == -1) return colors::kRed;
  return colors::kBlack;
}

}  // namespace trabeo
