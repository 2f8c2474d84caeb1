#include "engine/beam_results.h"

namespace trabeo {

StationArrays ResultStations(BeamResults& results, int N) {
  const auto count = static_cast<std::size_t>(N + 1);
  StationArrays stations;
  stations.N = N;
  stations.SpanShear = std::span<double>(results.SpanShear).first(count);
  stations.SpanMoment = std::span<double>(results.SpanMoment).first(count);
  for (std::size_t row = 0; row < 2; ++row) {
    stations.CantShear[row] = std::span<float>(results.CantShear[row]).first(count);
    stations.CantMoment[row] = std::span<float>(results.CantMoment[row]).first(count);
  }
  stations.LoadShearTable = results.LoadShearTable;
  stations.loadShearStride = kFactoredStations;
  return stations;
}

}  // namespace trabeo
