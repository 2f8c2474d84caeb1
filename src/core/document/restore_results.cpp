#include "document/restore_results.h"

#include "engine/segment_loads.h"
#include "engine/summary.h"

namespace trabeo {

void RestoreSavedResults(const BeamModel& model, AnalysisState& state) {
  BeamResults& r = state.results;
  for (std::size_t k = 0; k < kFactoredStations; ++k) {
    r.SpanShear[k] = r.StoredSpanShear[k];
    r.SpanMoment[k] = r.StoredSpanMoment[k];
  }
  for (std::size_t k = 0; k < kServiceStations; ++k)
    r.SpanDeflection[k] = r.StoredSpanDeflection[k];
  r.CantShear = r.StoredCantShear;
  r.CantMoment = r.StoredCantMoment;
  for (std::size_t row = 0; row < 2; ++row) {
    for (std::size_t k = 0; k < kServiceStations; ++k)
      r.CantDeflection[row][k] = r.StoredCantDeflection[row][k];
  }

  const ResolvedLoads loads = ResolveLoads(model);
  r.SupportPointLoads = loads.SupportPointLoads;
  r.TotalAppliedLoad = loads.TotalAppliedLoad;
  r.FactoredLoadCount = CountFactoredLoads(model.Loads);

  state.work.StationCount = kFactoredStationCount;
  Summarise(model, r);
  r.TotalReactions = static_cast<float>(r.Reactions[0] + r.Reactions[1]);
}

}  // namespace trabeo
