#include "engine/stations.h"

#include <algorithm>

namespace trabeo {

void ZeroCantileverStations(StationArrays& stations) {
  const auto count = static_cast<std::size_t>(stations.N + 1);
  for (int row = 0; row < 2; ++row) {
    std::fill_n(stations.CantShear[static_cast<std::size_t>(row)].begin(), count, 0.0f);
    std::fill_n(stations.CantMoment[static_cast<std::size_t>(row)].begin(), count, 0.0f);
  }
}

void ZeroSpanStations(StationArrays& stations) {
  const auto count = static_cast<std::size_t>(stations.N + 1);
  std::fill_n(stations.SpanShear.begin(), count, 0.0);
  std::fill_n(stations.SpanMoment.begin(), count, 0.0);
}

std::span<const double> StationPositions(double length, int N,
                                         std::array<double, kMaxStationCount + 1>& scratch) {
  for (int k = 0; k <= N; ++k)
    scratch[static_cast<std::size_t>(k)] = length * k / N;
  return std::span<const double>(scratch).first(static_cast<std::size_t>(N + 1));
}

}  // namespace trabeo
