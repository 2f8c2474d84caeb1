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

// What the BS 5950 check of the analysed beam leaves, by part index where it is per part.
struct SteelCheckState {
  int32_t ComplianceState = 0;  // -1 fails; 1, 2, 3 comply; 4 an angle too slender to check
  float AvgLoadFactor = 0;
  std::array<float, 3> RsaLengths{};  // angles' unrestrained lengths: LH cantilever, span, RH
  std::array<float, 12> PartMb{};
  std::array<float, 12> PartShearLimit{};
  std::array<float, 12> PartN{};
  std::array<float, 12> PartM{};
  std::array<float, 10> SegmentMaxShear{};
  std::array<float, 10> SegmentMaxMoment{};
  std::array<TextStore<kCheckTextLines, kResultLineCapacity>, kCheckTextBlocks> CheckText{};
  std::array<std::string, kCheckWarningLines> CheckWarnings{};

  friend bool operator==(const SteelCheckState&, const SteelCheckState&) = default;
};

}  // namespace trabeo
