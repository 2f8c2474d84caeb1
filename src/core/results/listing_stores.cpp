#include "results/listing_stores.h"

namespace trabeo {

void ListingStores::Clear() {
  SummaryPrintLines.Clear();
  TimberPrintLines.Clear();
  SteelVerdictLines.fill(std::string());
  for (auto& section : SteelListLines)
    section.Clear();
  UdlTablePrintLines.Clear();
  PointTablePrintLines.Clear();
  IntervalHeadPrintLines.Clear();
  LhIntervalPrintLines.Clear();
  SpanIntervalPrintLines.Clear();
  RhIntervalPrintLines.Clear();
}

}  // namespace trabeo
