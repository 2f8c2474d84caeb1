#pragma once

#include <array>

#include "engine/resultants.h"
#include "engine/stations.h"
#include "model/beam_model.h"

namespace trabeo {

// Shear (load beyond the section) and hogging moment at the stations of each cantilever, from
// the support outwards. Row 0's moments end negated: the LH hogging moment is held negative.
// The arrays must be zeroed first; loads are added into the single-precision stations.
void CantileverStatics(const PassResultants& resultants, StationArrays& stations);

// Moment at station i of a unit load at station j, for the service pass.
struct CantileverInfluenceTables {
  int N = 0;
  // [row][j * (N + 1) + i]
  std::array<std::array<double, (kServiceStationCount + 1) * (kServiceStationCount + 1)>, 2>
      table{};

  double at(int row, int j, int i) const {
    return table[static_cast<std::size_t>(row)][static_cast<std::size_t>(j * (N + 1) + i)];
  }
};

// N may not exceed the service pass's 20 intervals.
CantileverInfluenceTables CantileverInfluence(const std::array<double, 2>& cantLength, int N);

// Each cantilever's own bending deflection with its support held level, downward positive, by
// Simpson's rule over the service-pass stations.
struct CantileverBendingDeflection {
  std::array<std::array<double, kServiceStationCount + 1>, 2> delta{};
};

CantileverBendingDeflection CantileverDeflection(const BeamModel& model,
                                                 const CantileverInfluenceTables& influence,
                                                 const StationArrays& stations, double E, double I);

// Simpson's weight of station i of N (N even): 1 at the ends, 4 at odd and 2 at even stations.
inline double SimpsonWeight(int i, int N) {
  if (i == 0 || i == N) return 1;
  return i % 2 == 1 ? 4 : 2;
}

}  // namespace trabeo
