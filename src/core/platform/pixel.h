#pragma once

#include <cmath>

namespace trabeo {

// A device coordinate from a computed position, truncated toward zero as every drawing of the
// program places its points. Values beyond the range a canvas can use are held at +-1e9 and a
// position that is not a number counts as 0, so a degenerate beam never leads to undefined
// conversions.
inline int TruncToPixel(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLimit = 1e9;
  if (value > kLimit) return static_cast<int>(kLimit);
  if (value < -kLimit) return -static_cast<int>(kLimit);
  return static_cast<int>(value);
}

// The same, rounded to the nearest integer (halves away from zero).
inline int RoundToPixel(double value) {
  return TruncToPixel(std::isnan(value) ? 0.0 : std::round(value));
}

}  // namespace trabeo
