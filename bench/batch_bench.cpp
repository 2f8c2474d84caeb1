// Beams per second through "trabeo-cli analyse --batch": each line the example beam, read,
// analysed and written as its JSON result line, on one core.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli/batch_analysis.h"
#include "settings/unit_settings.h"

namespace trabeo {
namespace {

constexpr int kCasesPerBatch = 1000;

// Counts what is written and keeps none of it, as a pipe to a reader would take it.
class CountingBuffer : public std::streambuf {
 public:
  long long written = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    written += count;
    return count;
  }
  int_type overflow(int_type c) override {
    ++written;
    return traits_type::not_eof(c);
  }
};

std::string ExampleBeamLine() {
  std::ifstream in(std::string(TRABEO_SOURCE_DIR) + "/examples/example-beam.json");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return nlohmann::json::parse(text).dump() + "\n";
}

void BM_BatchOfExampleBeams(benchmark::State& state) {
  std::string batch;
  const std::string line = ExampleBeamLine();
  for (int i = 0; i < kCasesPerBatch; ++i)
    batch += line;
  UnitSettings units;
  ApplyStartupDefaults(units);
  CountingBuffer sink;
  std::ostream out(&sink);
  for (auto _ : state) {
    std::istringstream cases(batch);
    const cli::BatchTally tally = cli::AnalyseBatch(cases, "example.jsonl", units, out);
    if (tally.failed != 0) state.SkipWithError("a case failed");
  }
  state.SetItemsProcessed(state.iterations() * kCasesPerBatch);
  state.counters["bytes_per_beam"] =
      static_cast<double>(sink.written) / static_cast<double>(state.iterations() * kCasesPerBatch);
}
BENCHMARK(BM_BatchOfExampleBeams)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trabeo
