#include "timber/timber_grades.h"

#include <optional>

namespace trabeo {
namespace {

// BS 5268-2:2002 Table 8 for the C and D classes; the SC classes are those of the 1996 edition,
// which older drawings still call for.
constexpr std::array<std::optional<TimberGrade>, kTimberGradeListSize> kGradeList{{
    TimberGrade{"C14", 4.1f, 5.2f, 0.60f, 6800, 4600},
    TimberGrade{"C16", 5.3f, 6.8f, 0.67f, 8800, 5800},
    TimberGrade{"C18", 5.8f, 7.1f, 0.67f, 9100, 6000},
    TimberGrade{"C22", 6.8f, 7.5f, 0.71f, 9700, 6500},
    TimberGrade{"C24", 7.5f, 7.9f, 0.71f, 10800, 7200},
    TimberGrade{"C27", 10.0f, 8.2f, 1.1f, 12300, 8200},
    TimberGrade{"C30", 11.0f, 8.6f, 1.2f, 12300, 8200},
    TimberGrade{"C35", 12.0f, 8.7f, 1.3f, 13400, 9000},
    TimberGrade{"C40", 13.0f, 8.7f, 1.4f, 14500, 10000},
    std::nullopt,
    TimberGrade{"D30", 9.0f, 8.1f, 1.4f, 9500, 6000},
    TimberGrade{"D35", 11.0f, 8.6f, 1.7f, 10000, 6500},
    TimberGrade{"D40", 12.5f, 12.6f, 2.0f, 10800, 7500},
    TimberGrade{"D50", 16.0f, 15.2f, 2.2f, 15000, 12600},
    TimberGrade{"D60", 18.0f, 18.0f, 2.4f, 18500, 15600},
    TimberGrade{"D70", 23.0f, 23.0f, 2.6f, 21000, 18000},
    std::nullopt,
    TimberGrade{"SC1", 2.8f, 3.5f, 0.46f, 6800, 4500},
    TimberGrade{"SC2", 4.1f, 5.3f, 0.66f, 8000, 5000},
    TimberGrade{"SC3", 5.3f, 6.8f, 0.67f, 8800, 5800},
    TimberGrade{"SC4", 7.5f, 7.9f, 0.71f, 9900, 6600},
    TimberGrade{"SC5", 10.0f, 8.7f, 1.0f, 10700, 7100},
    TimberGrade{"SC6", 12.5f, 12.5f, 1.5f, 14100, 11800},
    TimberGrade{"SC7", 15.0f, 14.5f, 1.75f, 16200, 13600},
    TimberGrade{"SC8", 17.5f, 16.5f, 2.0f, 18700, 15600},
    TimberGrade{"SC9", 20.5f, 19.5f, 2.25f, 21600, 18000},
}};

constexpr int kFirstSeparator = 9;

}  // namespace

const TimberGrade* TimberGradeAt(int listIndex) {
  if (listIndex < 0 || listIndex >= kTimberGradeListSize) return nullptr;
  const auto& entry = kGradeList[static_cast<std::size_t>(listIndex)];
  return entry ? &*entry : nullptr;
}

int TimberGradeListIndex(std::string_view name) {
  for (int index = 0; index < kTimberGradeListSize; ++index) {
    const TimberGrade* grade = TimberGradeAt(index);
    if (grade != nullptr && grade->name == name) return index;
  }
  return -1;
}

std::string TimberGradeListItem(int listIndex) {
  const TimberGrade* grade = TimberGradeAt(listIndex);
  if (grade != nullptr) return "   " + std::string(grade->name);
  return listIndex == kFirstSeparator ? "   " : "";
}

}  // namespace trabeo
