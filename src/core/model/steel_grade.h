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

}  // namespace trabeo
