#pragma once

#include <cstdint>
#include <string>

#include "fileio/text_store.h"

namespace trabeo {

inline constexpr int kTimberLineCapacity = 50;

// The timber section of the beam as the timber section window hands it over, and what the
// BS 5268 check of the analysed beam leaves. The width and depth live with the section values.
struct TimberBeamValues {
  std::string TimberGradeName;     // e.g. "C24"; up to 25 characters each
  std::string TimberSharing;       // "Single" or "Share"
  std::string TimberExposure;      // "Dry" or "Wet"
  std::string TimberDuration;      // "LT", "MT", "ST" or "VST"
  float TimberGradeBending = 0;    // N/mm2, as shown
  float TimberGradeShear = 0;      // N/mm2, as shown
  float TimberGradeE = 0;          // N/mm2, as shown
  float TimberPermBendStress = 0;  // N/mm2
  float TimberPermMoment = 0;      // N mm
  float TimberPermShear = 0;       // N
  float TimberShearStiffness = 0;  // GA / Kform, N
  TextStore<51, kTimberLineCapacity> TimberSummaryLines;

  std::string TimberCodeLine;  // the verdict texts of the check, up to 80 characters
  std::string TimberVerdict;
  std::string TimberTorsionNote;
  int32_t TimberCheckFailed = 0;  // 0 complies, -1 does not

  friend bool operator==(const TimberBeamValues&, const TimberBeamValues&) = default;
};

}  // namespace trabeo
