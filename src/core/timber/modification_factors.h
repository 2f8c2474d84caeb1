#pragma once

#include <optional>
#include <string_view>

#include "timber/timber_grades.h"

namespace trabeo {

// The modification factors of BS 5268-2 that both timber windows use.

enum class TimberExposure { Dry, Wet };
enum class LoadSharing { Single, Share };
enum class LoadDuration { LongTerm, MediumTerm, ShortTerm, VeryShortTerm };

// K1: wet timber swells, so both dimensions grow by 2 %.
float K1Factor(TimberExposure exposure);

// K2: wet exposure reduces stresses and moduli (all 1 when dry).
struct K2Factors {
  float E = 1;
  float bending = 1;
  float axial = 1;  // compression parallel to grain
  float shear = 1;
};
K2Factors K2Factor(TimberExposure exposure);

// K3: load duration, 1.0 (long term) to 1.75 (very short term).
float K3Factor(LoadDuration duration);

// K7: depth factor for the depth in bending h (mm): 1.17 up to 72 mm, 1.0 at 300 mm.
double K7Factor(double depth);

// K8: load sharing, 1.1 for four or more members sharing the load.
float K8Factor(LoadSharing sharing);

// K12: column buckling factor for an effective length and radius of gyration (mm), the
// compression stress before buckling sigmaC and the modulus E (minimum E x K2), N/mm2. 1 for
// an effective length of 5 mm or less.
double K12Factor(double effectiveLength, double radiusOfGyration, double sigmaC, double E);

// The modulus for bending and deflection: E min for a single member, E mean for shared ones.
float BendingModulus(const TimberGrade& grade, LoadSharing sharing);

// Texts: the duration options' captions ("Long Term" ... "V. Short Term"), their suffixes in
// results ("  (Long Term)" ...), the sharing suffixes ("  (Single)", "  (Sharing)") and the
// codes the beam keeps ("LT" ..., "Single" / "Share", "Dry" / "Wet").
std::string_view DurationCaption(LoadDuration duration);
std::string_view DurationSuffix(LoadDuration duration);
std::string_view DurationCode(LoadDuration duration);
std::optional<LoadDuration> DurationOfCode(std::string_view code);
std::string_view SharingSuffix(LoadSharing sharing);
std::string_view SharingCode(LoadSharing sharing);
std::optional<LoadSharing> SharingOfCode(std::string_view code);
std::string_view ExposureCode(TimberExposure exposure);
std::optional<TimberExposure> ExposureOfCode(std::string_view code);

inline constexpr LoadDuration kAllDurations[] = {LoadDuration::LongTerm, LoadDuration::MediumTerm,
                                                 LoadDuration::ShortTerm,
                                                 LoadDuration::VeryShortTerm};

}  // namespace trabeo
