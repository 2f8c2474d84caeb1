#pragma once

#include <array>

#include "engine/stations.h"
#include "model/beam_model.h"

namespace trabeo {

// Station arrays for a factored pass of up to 2000 intervals, apart from the analysis's own
// results. Large: keep it on the heap.
struct PointPassArrays {
  std::array<double, kMaxStationCount + 1> spanShear{};
  std::array<double, kMaxStationCount + 1> spanMoment{};
  std::array<std::array<float, kMaxStationCount + 1>, 2> cantShear{};
  std::array<std::array<float, kMaxStationCount + 1>, 2> cantMoment{};
  // Each span load's own shear, which no caller here reads: every load writes over the last.
  std::array<float, kMaxStationCount + 1> loadShearScratch{};
  StationArrays stations;
};

// The factored pass of the analysis with N intervals per segment (1 <= N <= 2000): loads
// resolved and factored, the cantilevers' statics, the span's end moments and its statics. The
// cantilever rows run from their supports outwards, the LH moments negative (hogging), as
// during an analysis. Returns the stations, which view `arrays`.
const StationArrays& RunFactoredPassAt(const BeamModel& model, int N, PointPassArrays& arrays);

}  // namespace trabeo
