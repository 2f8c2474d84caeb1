#pragma once

#include <cstdint>

namespace trabeo {

// A station p/q of a segment, p intervals of q from the segment's near end.
struct PointFraction {
  int32_t p = 0;
  int32_t q = 0;

  friend bool operator==(const PointFraction&, const PointFraction&) = default;
};

inline constexpr int32_t kLeastPointDenominator = 3;
inline constexpr int32_t kGreatestPointDenominator = 2000;

// The fraction p/q (3 <= q <= 2000, 1 <= p <= q) nearest t, exactly as trying q = 3 ... 2000
// and, within each q, p = 1 ... q would find it when only a strictly smaller |t - p/q| replaces
// the best so far: a tie goes to the smallest q, then the smallest p. t is a position as a
// fraction of its segment's length and must be a finite number; below 0 it counts as 0 and
// above 1 as 1. Takes a few dozen exact comparisons instead of some two million trials.
PointFraction NearestPointFraction(double t);

}  // namespace trabeo
