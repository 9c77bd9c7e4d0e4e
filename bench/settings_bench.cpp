// Reading the settings: LoadSettings on the shipped config.ini, as the module does at its start and
// on every settings reload. Reported per load are the median and the 99th percentile of the
// thread's CPU time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/key_stream.h"
#include "ime/settings/ime_settings.h"
#include "ime/settings/settings_store.h"

namespace kellavor {
namespace {

void LoadShippedSettings(benchmark::State& state) {
  const std::u16string path = std::filesystem::path(KELLAVOR_SHIPPED_CONFIG).u16string();
  std::vector<double> cpu;
  for (auto _ : state) {
    settings::ImeSettings loaded;
    const double start = bench::ThreadMicroseconds();
    settings::LoadSettings(loaded, path);
    cpu.push_back(bench::ThreadMicroseconds() - start);
    benchmark::DoNotOptimize(loaded);
  }
  state.counters["median_us"] = bench::KeyPercentile(cpu, 0.5);
  state.counters["p99_us"] = bench::KeyPercentile(cpu, 0.99);
}

BENCHMARK(LoadShippedSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kellavor
