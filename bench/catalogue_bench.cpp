// Time to write the seventeen catalogue files, as the main window does each time it is shown.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "sections/catalogue/catalogue.h"

namespace {

namespace fs = std::filesystem;

fs::path FreshFolder() {
  const fs::path folder = fs::temp_directory_path() /
                          ("trabeo_catalogue_bench_" + std::to_string(std::random_device{}()));
  fs::create_directories(folder);
  return folder;
}

// Every start after the first: the files are there and are rewritten.
void BM_WriteCatalogue(benchmark::State& state) {
  const fs::path folder = FreshFolder();
  trabeo::WriteCatalogue(folder);
  for (auto _ : state)
    benchmark::DoNotOptimize(trabeo::WriteCatalogue(folder));
  fs::remove_all(folder);
}
BENCHMARK(BM_WriteCatalogue)->Unit(benchmark::kMillisecond);

// The first start: every file is created.
void BM_WriteCatalogueIntoEmptyFolder(benchmark::State& state) {
  const fs::path folder = FreshFolder();
  for (auto _ : state) {
    benchmark::DoNotOptimize(trabeo::WriteCatalogue(folder));
    state.PauseTiming();
    for (const trabeo::CatalogueFile& file : trabeo::CatalogueFiles())
      fs::remove(folder / file.name);
    state.ResumeTiming();
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_WriteCatalogueIntoEmptyFolder)->Unit(benchmark::kMillisecond);

// The records alone, without the file system.
void BM_BuildCatalogueRecords(benchmark::State& state) {
  for (auto _ : state)
    for (const trabeo::CatalogueFile& file : trabeo::CatalogueFiles())
      benchmark::DoNotOptimize(trabeo::CatalogueRecords(file));
}
BENCHMARK(BM_BuildCatalogueRecords)->Unit(benchmark::kMicrosecond);

}  // namespace
