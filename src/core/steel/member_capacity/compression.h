#pragma once

#include <optional>
#include <string>

#include "steel/member_capacity/member_context.h"

namespace trabeo {

struct StrutResult {
  double LE = 0;      // effective length, mm
  double lambda = 0;  // LE / r
  double pc = 0;      // compressive strength, N/mm2
  double Pc = 0;      // compression resistance pc x A, N
};

inline constexpr std::string_view kNoDataMessage = "No Data";

// The compression resistance about one axis for the section's type ("Beam", "RSJ" and "RSC" by
// the I and H rules, "Box", "Tube"), with py and E from the window's boxes. Writes the detail
// lines to `lines` and keeps Pc as Pcx or Pcy. nullopt when the calculation stopped (a length or
// curve letter not given, a section without the values a strut needs, or a type that has no
// strut rules).
std::optional<StrutResult> RunStrutCalculation(MemberContext& c, MemberAxis axis,
                                               DetailList& lines);

// The two summary lines of a strut calculation.
void WriteStrutSummary(MemberAxis axis, const StrutResult& result, SummaryList& summary);

}  // namespace trabeo
