#include "steel/design_strength.h"

#include <array>

namespace trabeo {
namespace {

// One thickness band: py for the grades in list order (43, 50 and 55) up to and including
// maxThickness; 0 where the grade is not tabulated for that thickness.
struct StrengthBand {
  float maxThickness;
  std::array<float, 3> py;
};

constexpr std::array<StrengthBand, 6> kBands = {{
    {16, {275, 355, 450}},
    {25, {265, 345, 430}},
    {40, {265, 345, 400}},
    {63, {255, 335, 400}},
    {80, {245, 325, 0}},
    {100, {235, 315, 0}},
}};

}  // namespace

DesignStrength DesignStrengthForThickness(std::optional<SteelGrade> grade, float thickness) {
  if (!grade) return {0, std::string(kUnknownGradeMessage)};
  const int column = SteelGradeListIndex(*grade);
  for (const StrengthBand& band : kBands) {
    if (thickness > band.maxThickness) continue;
    const float py = band.py[static_cast<std::size_t>(column)];
    if (py == 0) break;
    return {py, {}};
  }
  return {0, std::string(kThicknessBeyondTableMessage)};
}

}  // namespace trabeo
