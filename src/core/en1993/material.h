#pragma once

#include <optional>

#include "model/steel_grade.h"

namespace trabeo::en1993 {

// Elastic constants of 3.2.6, fixed whatever modulus a section record carries.
inline constexpr double kE = 210000;  // N/mm2
inline constexpr double kG = 81000;   // N/mm2

// Thicker elements than this have no tabulated yield strength here.
inline constexpr double kThickestTabulated = 100;  // mm

// Nominal yield strength (N/mm2) of EN 10025-2 (S275, S355) and EN 10025-4 (S460) for an element
// `thickness` mm thick; nullopt for a thickness that is not a positive number up to 100 mm.
std::optional<double> YieldStrength(SteelGrade grade, double thickness);

// epsilon = sqrt(235 / fy) of Table 5.2.
double Epsilon(double fy);

}  // namespace trabeo::en1993
