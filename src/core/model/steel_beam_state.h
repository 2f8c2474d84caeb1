#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileio/text_store.h"

namespace trabeo {

// The lateral restraint of the beam as the span and cantilever restraint forms leave it, and the
// effective lengths derived from it. The project file keeps every field but RestraintStations.
struct SteelRestraints {
  float ClearSpan = 0;                 // the span length the span form last worked with, mm
  int32_t IntermediateRestraints = 0;  // 1 when the span has intermediate restraints
  int32_t RestraintSpacing = 0;        // how the intermediate restraints are spaced
  std::array<int32_t, 18> SpanRestraintFlags{};  // flag k at index k - 1
  std::array<int32_t, 10> LhCantRestraintFlags{};
  std::array<int32_t, 10> RhCantRestraintFlags{};
  std::string SpanLeText;  // up to 25 characters each
  std::string LhCantLeText;
  std::string RhCantLeText;
  // By part index: 0 LH cantilever, 1 ... 6 restraint intervals, 7 first and 8 last segment,
  // 9 the number of intermediate restraints, 10 the span, 11 the RH cantilever; mm.
  std::array<double, 12> EffectiveLengths{};
  std::array<int32_t, 10> RestraintStations{};  // stations between intermediate restraints

  friend bool operator==(const SteelRestraints&, const SteelRestraints&) = default;
};

inline constexpr int kCheckTextBlocks = 13;
inline constexpr int kCheckHeaderBlock = 12;
inline constexpr int kCheckTextLines = 102;
inline constexpr int kCheckWarningLines = 5;

// The verdicts of the check.
inline constexpr int32_t kComplianceFails = -1;           // bending or shear ratio of 1 or more
inline constexpr int32_t kComplianceNotChecked = 0;       // a part could not be checked
inline constexpr int32_t kComplies = 1;                   // bending, shear and deflection
inline constexpr int32_t kCompliesDeflectionOver360 = 2;  // span/360 or the cantilever limit
inline constexpr int32_t kCompliesDeflectionOver200 = 3;  // span/200 or cantilever/100
inline constexpr int32_t kComplianceAngleTooSlender = 4;  // L/rvv above 300: not checked

// What the BS 5950 check of the analysed beam leaves, by part index where it is per part.
struct SteelCheckState {
  int32_t ComplianceState = 0;  // one of the verdicts above
  int32_t InputError = 0;       // 1 once a dialog was cancelled or refused: the rest is skipped
  float AvgLoadFactor = 0;
  std::array<float, 3> RsaLengths{};  // angles' unrestrained lengths: LH cantilever, span, RH
  std::array<float, 12> PartMb{};     // moment capacity, or buckling resistance moment
  std::array<float, 12> PartShearLimit{};
  std::array<float, 12> PartN{};
  std::array<float, 12> PartM{};
  // The section's moment capacity as if fully restrained; a part checked for lateral-torsional
  // buckling must satisfy M <= Mc as well as m M <= Mb. Equal to PartMb for the other parts.
  std::array<float, 12> PartMc{};
  // 1 when the last check worked out the part's capacity and shear limit; a part abandoned
  // (cancelled dialog, missing data) holds 0 and is listed as not checked.
  std::array<int32_t, 12> PartChecked{};
  std::array<float, 10> SegmentMaxShear{};
  std::array<float, 10> SegmentMaxMoment{};
  std::array<TextStore<kCheckTextLines, kResultLineCapacity>, kCheckTextBlocks> CheckText{};
  std::array<std::string, kCheckWarningLines> CheckWarnings{};

  friend bool operator==(const SteelCheckState&, const SteelCheckState&) = default;
};

}  // namespace trabeo
