#include "model/steel_grade.h"

#include <array>

namespace trabeo {
namespace {

struct GradeNames {
  SteelGrade grade;
  int32_t number;
  std::string_view name;
};

// In list order.
constexpr std::array<GradeNames, kSteelGradeCount> kGrades = {{
    {SteelGrade::S275, 43, "S275"},
    {SteelGrade::S355, 50, "S355"},
    {SteelGrade::S460, 55, "S460"},
}};

const GradeNames& NamesOf(SteelGrade grade) {
  return kGrades[static_cast<std::size_t>(SteelGradeListIndex(grade))];
}

}  // namespace

std::optional<SteelGrade> SteelGradeFromNumber(int32_t number) {
  for (const GradeNames& g : kGrades) {
    if (g.number == number) return g.grade;
  }
  return std::nullopt;
}

int32_t SteelGradeNumber(SteelGrade grade) {
  return NamesOf(grade).number;
}

std::optional<SteelGrade> SteelGradeFromName(std::string_view name) {
  for (const GradeNames& g : kGrades) {
    if (g.name == name) return g.grade;
  }
  return std::nullopt;
}

std::string_view SteelGradeName(SteelGrade grade) {
  return NamesOf(grade).name;
}

int SteelGradeListIndex(SteelGrade grade) {
  switch (grade) {
    case SteelGrade::S275:
      return 0;
    case SteelGrade::S355:
      return 1;
    case SteelGrade::S460:
      return 2;
  }
  return 0;
}

std::optional<SteelGrade> SteelGradeOfListIndex(int index) {
  if (index < 0 || index >= kSteelGradeCount) return std::nullopt;
  return kGrades[static_cast<std::size_t>(index)].grade;
}

AppliedGrade::AppliedGrade(std::optional<SteelGrade> grade)
    : number_(grade ? SteelGradeNumber(*grade) : -1) {}

AppliedGrade AppliedGrade::FromFileNumber(int32_t number) {
  if (number == 0) return {};
  return AppliedGrade(SteelGradeFromNumber(number));
}

std::optional<SteelGrade> AppliedGrade::Shown() const {
  return number_ == 0 ? SteelGrade::S275 : grade();
}

}  // namespace trabeo
