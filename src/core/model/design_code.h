#pragma once

#include <cstdint>
#include <string_view>

namespace trabeo {

// The design code a beam is checked to. The values are the numbers the beam data file, the
// units file and the batch cases hold, so a code converts to and from them without a table.
// Only BS 5950, BS 5268 and EN 1993 lead to a code check; the others are kept as given.
enum class DesignCode : int32_t {
  None = 0,
  BS5950 = 5950,
  BS5268 = 5268,
  BS449 = 449,
  AISC = 3,
  LRFD = 9,
  EN1993 = 1993,
  EN1995 = 1995,
};

// Any stored number is kept as it is (an unknown number checks nothing, as none does), so a file
// read and written again keeps its field.
constexpr DesignCode DesignCodeFromNumber(int32_t number) {
  return static_cast<DesignCode>(number);
}
constexpr int32_t DesignCodeNumber(DesignCode code) {
  return static_cast<int32_t>(code);
}

// The steel codes, whose checks need a steel section, a grade and the restraint forms.
constexpr bool IsSteelCode(DesignCode code) {
  return code == DesignCode::BS5950 || code == DesignCode::EN1993;
}

}  // namespace trabeo
