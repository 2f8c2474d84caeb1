#pragma once

#include <array>
#include <string>

#include "fileio/fixed_text.h"
#include "fileio/text_store.h"

namespace trabeo {

// A print-line store: lines of at most 80 characters, slot 0 holding a count as decimal text.
template <int Slots>
using PrintLineStore = TextStore<Slots, kResultLineCapacity>;

inline constexpr int kSteelListSections = 13;
inline constexpr int kSteelSummarySection = 12;  // the other sections follow the part index

// Every line of the last results listing, as the printed report prints them and the project
// file keeps them.
struct ListingStores {
  PrintLineStore<26> SummaryPrintLines;          // plain summary (no code) or timber summary
  PrintLineStore<51> TimberPrintLines;           // " CODE CHECK DATA" and the timber check sections
  std::array<std::string, 3> SteelVerdictLines;  // the three verdict lines of the steel summary
  // Section p (part index 0 ... 11) holds the steel check section of that part; section 12 is
  // the steel summary.
  std::array<PrintLineStore<51>, kSteelListSections> SteelListLines;
  PrintLineStore<36> UdlTablePrintLines;
  PrintLineStore<36> PointTablePrintLines;
  PrintLineStore<36> IntervalHeadPrintLines;
  PrintLineStore<36> LhIntervalPrintLines;
  PrintLineStore<36> SpanIntervalPrintLines;
  PrintLineStore<36> RhIntervalPrintLines;

  PrintLineStore<51>& SteelSummaryPrintLines() { return SteelListLines[kSteelSummarySection]; }
  const PrintLineStore<51>& SteelSummaryPrintLines() const {
    return SteelListLines[kSteelSummarySection];
  }

  // Empties every slot of every store, as clearing the results does.
  void Clear();

  friend bool operator==(const ListingStores&, const ListingStores&) = default;
};

}  // namespace trabeo
