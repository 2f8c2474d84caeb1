#pragma once

#include <string>
#include <string_view>

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

// py by steel grade (43, 50 or 55) and the thickness that governs it: the flange thickness, or
// the wall thickness of a box or tube, in mm. Each band's upper limit belongs to the band.
DesignStrength DesignStrengthForThickness(int grade, float thickness);

}  // namespace trabeo
