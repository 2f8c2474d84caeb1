#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "timber/modification_factors.h"

namespace trabeo {

// What the timber section window's recalculation reads, as its labels show it.
struct TimberSectionInputs {
  double width = 0;         // b, mm
  double depth = 0;         // d, mm
  double gradeBending = 0;  // N/mm2
  double gradeShear = 0;
  double gradeE = 0;  // E min (single) or E mean (sharing)
  double K1 = 1;
  double K2 = 1;  // stresses and E
  double K2Shear = 1;
  double K3 = 1;
  double K8 = 1;
};

// The section's properties and permissible values, single precision as the window keeps them.
struct TimberSectionValues {
  float I = 0;                // cm4, of the wet-adjusted section
  float A = 0;                // cm2
  float r = 0;                // mm
  float K7 = 0;               // from the depth
  float permBendStress = 0;   // N/mm2
  float permE = 0;            // N/mm2
  float EI = 0;               // kN m2
  float permMoment = 0;       // kN m
  float permShearStress = 0;  // N/mm2
  float permShear = 0;        // kN
  float shearStiffness = 0;   // GA / Kform, N: shear modulus E / 16, form factor 1.2
};

// The recalculation; nullopt when width, depth, bending stress or E is not above 0 (the window's
// list is then cleared).
std::optional<TimberSectionValues> ComputeTimberSection(const TimberSectionInputs& in);

// The 31 lines the window lists (and the beam keeps as TimberSummaryLines).
struct TimberSectionTexts {
  std::string_view gradeName;
  TimberExposure exposure = TimberExposure::Dry;
  LoadDuration duration = LoadDuration::LongTerm;
  LoadSharing sharing = LoadSharing::Single;
};
std::vector<std::string> TimberSectionLines(const TimberSectionInputs& in,
                                            const TimberSectionValues& values,
                                            const TimberSectionTexts& texts);

}  // namespace trabeo
