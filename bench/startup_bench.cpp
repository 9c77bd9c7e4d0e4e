// The module's start and the first keys of a new process, natively on the real dictionaries: the
// objects made as the module makes them (ModuleObjects: the user folder, the settings, the
// dictionaries, the engine on them), the preparation the Windows module makes once a context is
// activated, then "n", "i", "h" and Escape typed twice. The first round's
// keys are the first keys of a process; the second round's are the same keys later. Every
// iteration starts anew on the same user folder, so every start after the first finds what an
// earlier one left there, as every process after the first in a user account does.
//
// Reported per start, in CPU time of the thread (median and 99th percentile over the iterations):
// the start, the preparation, the first "n" and a later one, the first "h" (the first input of two syllables, the
// first phrase search) and a later one; and the heap in use that the start and the first key add
// (glibc's count of allocated bytes, medians).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/key_stream.h"
#include "ime/platform/file_system.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"
#include "tests/support/module_engine.h"

namespace kellavor {
namespace {

namespace vk = platform::vk;

std::u16string Folder() {
  const char* folder = std::getenv("KELLAVOR_DICTIONARIES");
  return platform::Utf8ToUtf16(folder != nullptr ? folder : KELLAVOR_BUILT_DICTIONARIES) + u"/";
}

// A user folder of the benchmark's own, emptied once: the first start prepares it.
std::u16string UserFolder() {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kellavor-startup-bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.u16string() + u"/";
}

double HeapInUse() { return static_cast<double>(mallinfo2().uordblks); }

struct Figures {
  std::vector<double> start, prepare, firstN, laterN, firstH, laterH, startHeap, firstKeyHeap;
};

double Timed(const std::function<void()>& step) {
  const double from = bench::ThreadMicroseconds();
  step();
  return bench::ThreadMicroseconds() - from;
}

void StartAndFirstKeys(benchmark::State& state) {
  if (!platform::FileExists(Folder() + u"data_ph.bin")) {
    state.SkipWithError("no dictionaries: build the install folder first");
    return;
  }
  platform::SetResourceFolder(Folder());
  const std::u16string user = UserFolder();
  module::StartOptions options;
  options.names = {u"KellavorStartBench_Si", u"KellavorStartBench_Ph", u"KellavorStartBench_De"};
  options.userDictionary = {u"KellavorStartBench_Us", u"KellavorStartBench_UsLock"};
  const EngineHarness::MakeObjects objects = ModuleObjectsOn(module::BuildModulePaths(Folder(), user), options);
  Figures figures;
  for (auto _ : state) {
    const double heapBefore = HeapInUse();
    std::unique_ptr<EngineHarness> engine;
    figures.start.push_back(Timed([&] { engine = std::make_unique<EngineHarness>(objects); }));
    figures.startHeap.push_back(HeapInUse() - heapBefore);
    figures.prepare.push_back(Timed([&] { ModuleOf(*engine).lexicon().lexicon().PrepareSearch(); }));
    figures.firstN.push_back(Timed([&] { engine->Type(u"n"); }));
    figures.firstKeyHeap.push_back(HeapInUse() - heapBefore);
    engine->Type(u"i");
    figures.firstH.push_back(Timed([&] { engine->Type(u"h"); }));
    engine->Tap(vk::kEscape);
    figures.laterN.push_back(Timed([&] { engine->Type(u"n"); }));
    engine->Type(u"i");
    figures.laterH.push_back(Timed([&] { engine->Type(u"h"); }));
    engine->Tap(vk::kEscape);
  }
  const auto report = [&](const char* name, const std::vector<double>& values) {
    state.counters[std::string(name) + "_median_us"] = bench::KeyPercentile(values, 0.5);
    state.counters[std::string(name) + "_p99_us"] = bench::KeyPercentile(values, 0.99);
  };
  report("start", figures.start);
  report("prepare", figures.prepare);
  report("first_n", figures.firstN);
  report("later_n", figures.laterN);
  report("first_h", figures.firstH);
  report("later_h", figures.laterH);
  state.counters["start_heap_kb"] = bench::KeyPercentile(figures.startHeap, 0.5) / 1024;
  state.counters["first_key_heap_kb"] = bench::KeyPercentile(figures.firstKeyHeap, 0.5) / 1024;
}
BENCHMARK(StartAndFirstKeys)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
}  // namespace kellavor
