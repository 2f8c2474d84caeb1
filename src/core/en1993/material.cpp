#include "en1993/material.h"

#include <array>
#include <cmath>

namespace trabeo::en1993 {
namespace {

struct ThicknessRow {
  double upTo;                              // mm, inclusive
  std::array<double, kSteelGradeCount> fy;  // S275, S355, S460 in list order
};

constexpr std::array<ThicknessRow, 5> kRows = {{
    {16, {275, 355, 460}},
    {40, {265, 345, 440}},
    {63, {255, 335, 430}},
    {80, {245, 325, 410}},
    {100, {235, 315, 400}},
}};

}  // namespace

std::optional<double> YieldStrength(SteelGrade grade, double thickness) {
  if (!(thickness > 0)) return std::nullopt;
  const auto column = static_cast<std::size_t>(SteelGradeListIndex(grade));
  for (const ThicknessRow& row : kRows) {
    if (thickness <= row.upTo) return row.fy[column];
  }
  return std::nullopt;
}

double Epsilon(double fy) {
  return std::sqrt(235.0 / fy);
}

}  // namespace trabeo::en1993
