#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trabeo {

// The three structural steel grades the program designs with. BS 5950 and the files of the
// program number them 43, 50 and 55; EN 10025 names them S275, S355 and S460.
enum class SteelGrade { S275, S355, S460 };

inline constexpr int kSteelGradeCount = 3;

// 43, 50 or 55; nullopt for any other number.
std::optional<SteelGrade> SteelGradeFromNumber(int32_t number);
int32_t SteelGradeNumber(SteelGrade grade);

// "S275", "S355" or "S460"; nullopt for any other text.
std::optional<SteelGrade> SteelGradeFromName(std::string_view name);
std::string_view SteelGradeName(SteelGrade grade);

// The grade lists of the forms hold the grades in this order: 43, 50, 55.
int SteelGradeListIndex(SteelGrade grade);
std::optional<SteelGrade> SteelGradeOfListIndex(int index);

// The grade applied to a beam's section. The beam data file numbers it: 43, 50 or 55 for a
// grade, -1 when the section form's list had none selected, 0 before a grade was first applied
// (the forms then show 43, and the section has no design strength yet).
class AppliedGrade {
 public:
  AppliedGrade() = default;
  // A grade from the form's list, or none selected.
  explicit AppliedGrade(std::optional<SteelGrade> grade);
  // Any number but 0, 43, 50 and 55 reads as none selected.
  static AppliedGrade FromFileNumber(int32_t number);
  int32_t FileNumber() const { return number_; }

  // The grade applied; nullopt when none is selected and before one was applied.
  std::optional<SteelGrade> grade() const { return SteelGradeFromNumber(number_); }
  // The grade the forms show: the one applied, S275 before any; nullopt when none is selected.
  std::optional<SteelGrade> Shown() const;

  friend bool operator==(const AppliedGrade&, const AppliedGrade&) = default;

 private:
  int32_t number_ = 0;
};

}  // namespace trabeo
