#include "results/point_pass.h"

#include <algorithm>

#include "engine/cantilever.h"
#include "engine/resultants.h"
#include "engine/span_solution.h"

namespace trabeo {
namespace {

StationArrays& ViewArrays(PointPassArrays& arrays, int N) {
  const auto count = static_cast<std::size_t>(N + 1);
  StationArrays& s = arrays.stations;
  s.N = N;
  s.SpanShear = std::span<double>(arrays.spanShear).first(count);
  s.SpanMoment = std::span<double>(arrays.spanMoment).first(count);
  for (std::size_t row = 0; row < 2; ++row) {
    s.CantShear[row] = std::span<float>(arrays.cantShear[row]).first(count);
    s.CantMoment[row] = std::span<float>(arrays.cantMoment[row]).first(count);
  }
  s.LoadShearTable = std::span<float>(arrays.loadShearScratch).first(count);
  s.loadShearStride = 0;
  return s;
}

}  // namespace

const StationArrays& RunFactoredPassAt(const BeamModel& model, int N, PointPassArrays& arrays) {
  // The arrays hold 2001 stations: a count beyond them is held at their size.
  StationArrays& stations = ViewArrays(arrays, std::clamp(N, 1, kMaxStationCount));
  const double L = model.MainSpan.Length;
  const double I = model.MainSpan.Ixx;

  const ResolvedLoads loads = ResolveLoads(model);
  const PassResultants resultants = BuildResultants(model, loads, true);
  ZeroCantileverStations(stations);
  CantileverStatics(resultants, stations);
  const double lhSupportMoment = stations.CantMoment[0][0];
  const double rhSupportMoment = stations.CantMoment[1][0];

  ZeroSpanStations(stations);
  const SpanStiffnessTerms stiffness =
      SpanStiffness(I / L, model.LhSupportKind, model.RhSupportKind);
  const ResultantList& spanLoads = resultants.lists[kSpanSegment];
  const FixedEndMoments fem = SpanFixedEndMoments(spanLoads, L);
  const LoadTerms terms = SpanLoadTerms(fem, lhSupportMoment, rhSupportMoment);
  const EndMoments ends = SolveEndMoments(stiffness, terms, fem);
  SpanStatics(ends, spanLoads, L, stations);
  return stations;
}

}  // namespace trabeo
