// Times one full analysis of a heavy beam and the number formatters. The allocation counter
// shows that an analysis allocates nothing on the heap.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "engine/analysis.h"
#include "heavy_beam.h"
#include "settings/sig_fig.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace trabeo {
namespace {

void BM_FullAnalysisOfAHeavyBeam(benchmark::State& state) {
  const BeamModel model = HeavyBeam();
  auto analysis = std::make_unique<AnalysisState>();
  long allocated = 0;
  for (auto _ : state) {
    const long before = allocations.load(std::memory_order_relaxed);
    AnalysisReport report = RunAnalysis(model, *analysis);
    allocated += allocations.load(std::memory_order_relaxed) - before;
    benchmark::DoNotOptimize(report);
    benchmark::DoNotOptimize(analysis->results.Reactions);
  }
  state.counters["heap_allocations_per_analysis"] =
      static_cast<double>(allocated) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FullAnalysisOfAHeavyBeam)->Unit(benchmark::kMicrosecond);

void BM_Formatters(benchmark::State& state) {
  const double values[] = {0.000123, 0.0123, 0.5, 7.5, 47.3, 186.6, 1234.5, 123456, -9.9949};
  for (auto _ : state) {
    for (double value : values) {
      benchmark::DoNotOptimize(SigFig3(value));
      benchmark::DoNotOptimize(SigFig4(value));
      benchmark::DoNotOptimize(SigFig3Dec3(value));
      benchmark::DoNotOptimize(SigFig4Dec3(value));
      benchmark::DoNotOptimize(FixedDecimals(value, 2));
    }
  }
  state.SetItemsProcessed(state.iterations() * 9 * 5);
}
BENCHMARK(BM_Formatters);

}  // namespace
}  // namespace trabeo
