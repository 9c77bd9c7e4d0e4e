// A full keystroke of the engine on the real dictionaries: press and release through ImeProcessKey
// and ImeToAsciiEx (claim, handling, search, publication), typed letter by letter, in pinyin and
// in German mode. Every key is timed on its own; reported per key are the median and the 99th
// percentile over all keys of all iterations, in CPU time of the thread (steady on a shared
// machine) and in wall time. KeyStream also reports clock_us, what the two reads of the thread
// clock around each key cost by themselves (included in the figures).
//
// KeyStream types the words of the file named by KELLAVOR_KEYSTREAM (one a line, the letters
// before an optional tab; empty lines and lines starting with '#' are skipped), each followed by
// Escape; scripts/make-keystreams.sh writes the streams of real text.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/key_stream.h"
#include "ime/platform/file_system.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"
#include "tests/support/module_engine.h"

namespace kellavor {

namespace vk = platform::vk;

namespace {

std::u16string Folder() {
  const char* folder = std::getenv("KELLAVOR_DICTIONARIES");
  return platform::Utf8ToUtf16(folder != nullptr ? folder : KELLAVOR_BUILT_DICTIONARIES) + u"/";
}

double WallMicroseconds() {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// A fresh user folder of the benchmark's own: the module's start copies the shipped files into
// it, and the user dictionary starts empty.
std::u16string UserFolder() {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kellavor-engine-bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.u16string() + u"/";
}

// The module's objects on the install folder, under shared names of the benchmark's own.
std::unique_ptr<EngineHarness> MakeEngine(uint32_t mode) {
  platform::SetResourceFolder(Folder());
  module::StartOptions options;
  options.names = {u"KellavorBench_Si", u"KellavorBench_Ph", u"KellavorBench_De"};
  options.userDictionary = {u"KellavorBench_Us", u"KellavorBench_UsLock"};
  return std::make_unique<EngineHarness>(ModuleObjectsOn(module::BuildModulePaths(Folder(), UserFolder()), options),
                                         [mode](settings::ImeSettings& settings) { settings.inputmode = mode; });
}

void TypeWords(benchmark::State& state, uint32_t mode, const std::vector<std::u16string>& words) {
  std::unique_ptr<EngineHarness> engine = MakeEngine(mode);
  if (!platform::FileExists(Folder() + u"data_ph.bin")) {
    state.SkipWithError("no dictionaries: build the install folder first");
    return;
  }
  std::vector<double> cpu;
  std::vector<double> wall;
  for (auto _ : state) {
    for (const std::u16string& word : words) {
      for (char16_t letter : word) {
        // The thread clock's reads lie inside the wall clock's, not the other way round: the wall
        // clock reads in user space, the thread clock through the kernel.
        const double wallStart = WallMicroseconds();
        const double cpuStart = bench::ThreadMicroseconds();
        engine->Type(std::u16string(1, letter));
        const double cpuEnd = bench::ThreadMicroseconds();
        wall.push_back(WallMicroseconds() - wallStart);
        cpu.push_back(cpuEnd - cpuStart);
      }
      engine->Tap(vk::kEscape);
      // The simulated manager logs every message for the tests; a module has no such log, and one
      // growing through the whole stream would be timed with the keys that enlarge it.
      engine->sim().ClearEvents();
    }
  }
  state.counters["keys"] = static_cast<double>(cpu.size());
  state.counters["median_us"] = bench::KeyPercentile(cpu, 0.5);
  state.counters["p99_us"] = bench::KeyPercentile(cpu, 0.99);
  state.counters["wall_median_us"] = bench::KeyPercentile(wall, 0.5);
  state.counters["wall_p99_us"] = bench::KeyPercentile(wall, 0.99);
}

// The words of a key stream file.
std::vector<std::u16string> ReadKeyStream(const char* path) {
  std::vector<std::u16string> words;
  for (const std::string& letters : bench::ReadKeyStream(path)) words.push_back(platform::Utf8ToUtf16(letters));
  return words;
}

void KeyStream(benchmark::State& state, uint32_t mode) {
  const char* path = std::getenv("KELLAVOR_KEYSTREAM");
  if (path == nullptr || *path == '\0') {
    state.SkipWithError("KELLAVOR_KEYSTREAM is not set: name a file of words to type, one a line");
    return;
  }
  const std::vector<std::u16string> words = ReadKeyStream(path);
  if (words.empty()) {
    state.SkipWithError("the file of KELLAVOR_KEYSTREAM holds no words");
    return;
  }
  // The figures include one pair of clock reads per key; its cost is reported beside them.
  const double clockPair = bench::ClockPairMicroseconds();
  TypeWords(state, mode, words);
  state.counters["clock_us"] = clockPair;
  state.counters["words"] = static_cast<double>(words.size());
}

void PinyinKeystroke(benchmark::State& state) {
  TypeWords(state, core::kPinyinMode,
            {u"nihao", u"shi", u"zhongguoren", u"woxiangqubeijingkankan", u"zhonghuarenmingongheguo", u"zgrm",
             u"jintiantianqihenhao", u"women"});
}

void GermanKeystroke(benchmark::State& state) {
  TypeWords(state, core::kGermanMode,
            {u"haus", u"Entschuldigung", u"computer", u"wissenschaft", u"kindergarten", u"freundlich", u"strasse",
             u"machen"});
}

// Words of at most four letters: the speller, asked from the fifth letter on, takes no part.
void GermanShortWordKeystroke(benchmark::State& state) {
  TypeWords(state, core::kGermanMode, {u"haus", u"der", u"und", u"mann", u"hund", u"ist", u"mit", u"auto"});
}

BENCHMARK(PinyinKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(GermanKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(GermanShortWordKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeyStream, pinyin, core::kPinyinMode)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeyStream, german, core::kGermanMode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kellavor
