#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/steel_grade.h"

namespace trabeo {

inline constexpr std::string_view kThicknessBeyondTableMessage =
    "Thickness greater than that listed in BS 5950\nCannot evaluate value for Py";
inline constexpr std::string_view kUnknownGradeMessage =
    "Steel grade must be 43, 50 or 55\nCannot evaluate value for Py";

// Design strength py in N/mm2; when the thickness lies beyond the table (or the grade is not one
// of the three) py is 0 and message holds the text to show once.
struct DesignStrength {
  float py = 0;
  std::string message;
};

// py (BS 5950-1 Table 9) by steel grade and the thickness that governs it: the flange thickness,
// or the wall thickness of a box or tube, in mm. Each band's upper limit belongs to the band.
// Without a grade, py is 0 with the unknown-grade message.
DesignStrength DesignStrengthForThickness(std::optional<SteelGrade> grade, float thickness);

}  // namespace trabeo
