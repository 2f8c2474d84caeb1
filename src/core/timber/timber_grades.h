#pragma once

#include <array>
#include <string>
#include <string_view>

namespace trabeo {

// Grade stresses and moduli of one strength class to BS 5268-2, N/mm2, as 32-bit floats.
struct TimberGrade {
  std::string_view name;  // "C24"
  float bending = 0;      // parallel to grain
  float compression = 0;  // parallel to grain
  float shear = 0;        // parallel to grain
  float eMean = 0;
  float eMin = 0;
};

// The grade list both timber windows offer: C14 ... C40, a separator, D30 ... D70, a separator,
// SC1 ... SC9. A list position identifies the grade.
inline constexpr int kTimberGradeListSize = 26;
// The class a window starts with when nothing has been chosen yet: C24, the usual class of
// joists and beams.
inline constexpr int kDefaultTimberGradeIndex = 4;

// The grade at a list position; nullptr for a separator or a position outside the list.
const TimberGrade* TimberGradeAt(int listIndex);

// The list position of a grade name ("C24"); -1 when no grade has that name.
int TimberGradeListIndex(std::string_view name);

// A list item as shown: the name after three blanks, or the separator's blanks.
std::string TimberGradeListItem(int listIndex);

}  // namespace trabeo
