// A full keystroke of the engine on the real dictionaries: press and release through ImeProcessKey
// and ImeToAsciiEx (claim, handling, search, publication), typed letter by letter, in pinyin and
// in German mode. Every key is timed on its own; reported per key are the median and the 99th
// percentile over all keys of all iterations, in CPU time of the thread (steady on a shared
// machine) and in wall time.
//
// KeyStream types the words of the file named by KELLAVOR_KEYSTREAM (one a line, the letters
// before an optional tab; empty lines and lines starting with '#' are skipped), each followed by
// Escape; scripts/make-keystreams.sh writes the streams of real text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <time.h>

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

double ThreadMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double WallMicroseconds() {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  const size_t at = std::min(values.size() - 1, static_cast<size_t>(fraction * static_cast<double>(values.size())));
  std::nth_element(values.begin(), values.begin() + static_cast<ptrdiff_t>(at), values.end());
  return values[at];
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
        const double cpuStart = ThreadMicroseconds();
        const double wallStart = WallMicroseconds();
        engine->Type(std::u16string(1, letter));
        cpu.push_back(ThreadMicroseconds() - cpuStart);
        wall.push_back(WallMicroseconds() - wallStart);
      }
      engine->Tap(vk::kEscape);
    }
  }
  state.counters["keys"] = static_cast<double>(cpu.size());
  state.counters["median_us"] = Percentile(cpu, 0.5);
  state.counters["p99_us"] = Percentile(cpu, 0.99);
  state.counters["wall_median_us"] = Percentile(wall, 0.5);
  state.counters["wall_p99_us"] = Percentile(wall, 0.99);
}

// The words of a key stream file.
std::vector<std::u16string> ReadKeyStream(const char* path) {
  std::vector<std::u16string> words;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const std::string letters = line.substr(0, line.find('\t'));
    if (!letters.empty() && letters[0] != '#') words.push_back(platform::Utf8ToUtf16(letters));
  }
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
  TypeWords(state, mode, words);
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
