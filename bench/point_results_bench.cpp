// Times "Calculate" of the results at a point at the worst position of a heavy beam: one whose
// nearest fraction needs nearly 2000 intervals, so the factored pass runs at 1999 stations per
// segment. Under 1 ms is the aim.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/analysis.h"
#include "heavy_beam.h"
#include "results/point_results.h"

namespace trabeo {
namespace {

void BM_PointResultsAtTheWorstPosition(benchmark::State& state) {
  const BeamModel model = HeavyBeam();
  auto analysis = std::make_unique<AnalysisState>();
  RunAnalysis(model, *analysis);
  UnitSettings units;
  units.FactoredLoads = kSettingOn;
  const PointInputs inputs{model, analysis->results, units, 1};
  // 997/1999 of the span from the LH support, in metres.
  const double x = model.LhCantilever.Length + model.MainSpan.Length * 997 / 1999;
  const std::string typed = std::to_string(x / 1000);
  auto window = std::make_unique<PointResultsState>();
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalculatePointResults(*window, typed, inputs));
  }
  state.counters["denominator"] = window->PointDenominator;
}
BENCHMARK(BM_PointResultsAtTheWorstPosition)->Unit(benchmark::kMicrosecond);

void BM_NearestFractionOnly(benchmark::State& state) {
  double t = 997.0 / 1999;
  for (auto _ : state) {
    benchmark::DoNotOptimize(NearestPointFraction(t));
    t += 1e-12;
  }
}
BENCHMARK(BM_NearestFractionOnly);

}  // namespace
}  // namespace trabeo
