#include "engine/analysis.h"

#include <cmath>

#include "engine/summary.h"
#include "settings/sig_fig.h"

namespace trabeo {
namespace {

// Zeroes what an analysis owns before it starts, so nothing of a previous beam survives.
void ClearResults(AnalysisState& state) {
  BeamResults& r = state.results;
  state.work.loads = {};
  state.work.resultants = {};
  state.work.stiffness = {};
  state.work.fixedEndMoments = {};
  state.work.loadTerms = {};
  state.work.ends = {};
  r.SupportPointLoads = {};
  r.EndMomentL = 0;
  r.EndMomentR = 0;
  r.EndRotation = {};
  r.SupportShears = {};
  r.LhSupportShear = 0;
  r.CantDeflection = {};
  r.Reactions = {};
  r.ShearExtremes = {};
  r.MomentExtremes = {};
  r.DeflectionExtremes = {};
}

// Cantilever statics and the span solution of one pass, at the pass's station count.
void RunStatics(const BeamModel& model, AnalysisState& state, StationArrays& stations) {
  AnalysisWork& w = state.work;
  BeamResults& r = state.results;
  CantileverStatics(w.resultants, stations);
  if (stations.N == kServiceStationCount) {
    w.influence = CantileverInfluence(w.resultants.CantLength, stations.N);
    w.bending = CantileverDeflection(model, w.influence, stations, w.E, w.I);
  }
  r.LhSupportMoment = stations.CantMoment[0][0];
  r.RhSupportMoment = stations.CantMoment[1][0];
  if (stations.N == kServiceStationCount) ZeroSpanStations(stations);

  const double k = w.I / w.L;
  w.stiffness = SpanStiffness(k, model.LhSupportKind, model.RhSupportKind);
  w.fixedEndMoments = SpanFixedEndMoments(w.resultants.lists[kSpanSegment], w.L);
  w.loadTerms = SpanLoadTerms(w.fixedEndMoments, r.LhSupportMoment, r.RhSupportMoment);
  w.ends = SolveEndMoments(w.stiffness, w.loadTerms, w.fixedEndMoments);
  r.EndRotation = {w.ends.theta1, w.ends.theta2};
  r.EndMomentL = w.ends.EndMomentL;
  r.EndMomentR = w.ends.EndMomentR;
  SpanStatics(w.ends, w.resultants.lists[kSpanSegment], w.L, stations);
}

void ServicePass(const BeamModel& model, AnalysisState& state, const AnalysisHooks& hooks,
                 AnalysisReport& report) {
  AnalysisWork& w = state.work;
  BeamResults& r = state.results;
  w.StationCount = kServiceStationCount;
  w.resultants = BuildResultants(model, w.loads, false);
  if (w.resultants.noLoads && w.NoLoadsReported == 0) {
    report.messages.emplace_back(kNoLoadsMessage);
    w.NoLoadsReported = 1;
  }
  StationArrays stations = ResultStations(r, kServiceStationCount);
  ZeroCantileverStations(stations);
  RunStatics(model, state, stations);

  ShearDeflections shear;
  const bool timber = model.DesignCode == DesignCode::BS5268 && hooks.timberShearDeflection;
  if (timber) shear = hooks.timberShearDeflection(model, state);

  r.UnitLoadMoments = {};
  r.SpanPeakDeflection = 0;
  for (int i = 1; i <= kServiceStationCount; ++i) {
    UnitLoadDiagram(i - 1, w.L, kServiceStationCount,
                    r.UnitLoadMoments[static_cast<std::size_t>(i - 1)]);
  }
  DeflectionInputs inputs;
  inputs.L = w.L;
  inputs.E = w.E;
  inputs.I = w.I;
  inputs.cantLength = w.resultants.CantLength;
  inputs.ends = w.ends;
  inputs.bending = &w.bending;
  inputs.shear = timber ? &shear : nullptr;
  Deflections(model, inputs, r);
}

void FactoredPass(const BeamModel& model, AnalysisState& state, AnalysisReport& report) {
  AnalysisWork& w = state.work;
  w.StationCount = kFactoredStationCount;
  StationArrays stations = ResultStations(state.results, kFactoredStationCount);
  ZeroCantileverStations(stations);
  w.resultants = BuildResultants(model, w.loads, true);
  if (w.resultants.noLoads && w.NoLoadsReported == 0) {
    report.messages.emplace_back(kNoLoadsMessage);
    w.NoLoadsReported = 1;
  }
  RunStatics(model, state, stations);
  Summarise(model, state.results);
}

}  // namespace

AnalysisReport RunAnalysis(const BeamModel& model, AnalysisState& state,
                           const AnalysisHooks& hooks) {
  AnalysisReport report;
  state.work.NoLoadsReported = 0;
  if (model.TotalLength == 0) return report;
  report.ran = true;

  ClearResults(state);
  AnalysisWork& w = state.work;
  BeamResults& r = state.results;
  w.L = model.MainSpan.Length;
  w.E = model.MainSpan.E;
  w.I = model.MainSpan.Ixx;
  w.loads = ResolveLoads(model);
  r.SupportPointLoads = w.loads.SupportPointLoads;
  r.TotalAppliedLoad = w.loads.TotalAppliedLoad;

  ServicePass(model, state, hooks, report);
  FactoredPass(model, state, report);

  r.BendingStress = BendingStress(r.MomentExtremes[0], model.FibreDistance, model.SectionIxx);
  if (model.DesignCode == DesignCode::BS5950 && hooks.steelCheck) {
    hooks.steelCheck(model, state, report.messages);
  }
  if (auto mismatch = TotalsCheck(r)) report.messages.push_back(std::move(*mismatch));
  r.FactoredLoadCount = CountFactoredLoads(model.Loads);
  return report;
}

float BendingStress(double largestMoment, float fibreDistance, float sectionIxx) {
  if (sectionIxx == 0) return 1e12f;
  const double stress = largestMoment * fibreDistance / sectionIxx;
  if (!std::isfinite(stress) || std::fabs(stress) > 3.4e38) return 1e12f;
  return static_cast<float>(stress);
}

std::optional<std::string> TotalsCheck(BeamResults& results) {
  results.TotalReactions = static_cast<float>(results.Reactions[0] + results.Reactions[1]);
  if (results.TotalReactions == 0) results.TotalReactions = 1e-12f;
  const float ratio = results.TotalAppliedLoad / results.TotalReactions;
  if (ratio >= 0.9995 && ratio <= 1.0005) return std::nullopt;
  return std::string(" ERROR  \n Total applied load / Total support reactions = ") +
         SigFig3Dec3(ratio);
}

int32_t CountFactoredLoads(const LoadTable& loads) {
  int32_t count = 0;
  for (const LoadRecord& row : loads.rows) {
    if (row.IsApplied() && row.Factor != 1.0f) ++count;
  }
  return count;
}

}  // namespace trabeo
