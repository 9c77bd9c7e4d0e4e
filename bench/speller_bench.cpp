// The speller's costs with Debian's German files, stock and with the shipped suggestion settings:
// loading, one request for short words and long compounds, a kept answer, every keystroke of
// typing the words of tests/fixtures/german_misspellings.tsv letter by letter (as the German
// search asks from the fifth letter on), and how many of the misspellings get their correction
// among the first five suggestions.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/misspellings.h"
#include "ime/lexicon/speller.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

using bench::Misspelling;
using bench::Misspellings;
using bench::Percentile;

enum Settings { kStock, kShipped };

std::u16string CharDictionaryPath(Settings settings) {
  return platform::Utf8ToUtf16(std::string(KELLAVOR_BENCH_FOLDER) + (settings == kStock ? "stock" : "shipped") +
                               "/data_si.bin");
}

const char* SettingsName(int64_t settings) { return settings == kStock ? "stock" : "shipped"; }

double ThreadCpuSeconds() {
  timespec t {};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double HeapKilobytesInUse() { return static_cast<double>(mallinfo2().uordblks) / 1024.0; }


// CreateSpeller and the first request, which loads the files (the request itself, one letter,
// costs a few microseconds).
void BM_LoadSpeller(benchmark::State& state) {
  const auto settings = static_cast<Settings>(state.range(0));
  double heap = 0;
  for (auto _ : state) {
    const double before = HeapKilobytesInUse();
    Speller speller;
    speller.CreateSpeller(CharDictionaryPath(settings));
    benchmark::DoNotOptimize(speller.SuggestWords(u"x"));
    heap = HeapKilobytesInUse() - before;
  }
  state.counters["heap_kB"] = heap;
  state.SetLabel(SettingsName(settings));
}
BENCHMARK(BM_LoadSpeller)->Arg(kStock)->Arg(kShipped)->Unit(benchmark::kMillisecond);

const char16_t* const kWords[] = {u"Mädchn", u"seperat", u"Standart", u"Zusamenarbeit", u"Bundesverfasungsgericht"};

// One request that the speller answers afresh (no kept answers).
void BM_SuggestWords(benchmark::State& state) {
  const auto settings = static_cast<Settings>(state.range(0));
  const std::u16string word = kWords[state.range(1)];
  Speller speller(0);
  speller.CreateSpeller(CharDictionaryPath(settings));
  speller.SuggestWords(u"x");
  for (auto _ : state) benchmark::DoNotOptimize(speller.SuggestWords(word));
  state.SetLabel(std::string(SettingsName(settings)) + " " + platform::Utf16ToUtf8(word));
}
BENCHMARK(BM_SuggestWords)
    ->ArgsProduct({{kStock, kShipped}, {0, 1, 2, 3, 4}})
    ->Unit(benchmark::kMillisecond);

// A request answered from the kept answers: backspacing to an input typed a moment ago.
void BM_SuggestWordsKept(benchmark::State& state) {
  Speller speller;
  speller.CreateSpeller(CharDictionaryPath(kShipped));
  speller.SuggestWords(u"Bundesverfasungsgericht");
  for (auto _ : state) benchmark::DoNotOptimize(speller.SuggestWords(u"Bundesverfasungsgericht"));
}
BENCHMARK(BM_SuggestWordsKept);

// What is typed: the misspellings as written, the same without capitals (as the folded German
// search lets one type), or their corrections (correct words being typed).
enum Typed { kMisspellings, kLowerCase, kCorrections };

const char* TypedName(int64_t typed) {
  return typed == kMisspellings ? " misspellings" : typed == kLowerCase ? " lower-case misspellings" : " corrections";
}

std::u16string AsciiLowerCase(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

std::u16string TypedWord(const Misspelling& m, int64_t typed) {
  return typed == kMisspellings ? m.wrong : typed == kLowerCase ? AsciiLowerCase(m.wrong) : m.right;
}

// Types every word letter by letter and times each request from the fifth letter on, in thread
// CPU time (what the speller costs, whatever else runs on the machine) and wall time.
void BM_TypeWords(benchmark::State& state) {
  const auto settings = static_cast<Settings>(state.range(0));
  std::vector<double> cpu;
  std::vector<double> wall;
  for (auto _ : state) {
    Speller speller;
    speller.CreateSpeller(CharDictionaryPath(settings));
    speller.SuggestWords(u"x");
    for (const Misspelling& m : Misspellings()) {
      const std::u16string word = TypedWord(m, state.range(1));
      for (size_t length = 5; length <= word.size(); ++length) {
        const double cpuStart = ThreadCpuSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(speller.SuggestWords(std::u16string_view(word).substr(0, length)));
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart).count());
        cpu.push_back((ThreadCpuSeconds() - cpuStart) * 1e3);
      }
    }
  }
  state.counters["keystrokes"] = static_cast<double>(cpu.size());
  state.counters["cpu_median_ms"] = Percentile(cpu, 0.5);
  state.counters["cpu_p99_ms"] = Percentile(cpu, 0.99);
  state.counters["cpu_max_ms"] = Percentile(cpu, 1.0);
  state.counters["wall_median_ms"] = Percentile(wall, 0.5);
  state.counters["wall_p99_ms"] = Percentile(wall, 0.99);
  state.SetLabel(std::string(SettingsName(settings)) + TypedName(state.range(1)));
}
BENCHMARK(BM_TypeWords)
    ->ArgsProduct({{kStock, kShipped}, {kMisspellings, kLowerCase, kCorrections}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// How many misspellings, as written or without capitals, get their correction among the first
// five suggestions, compared as the German search looks them up (ASCII case folded).
void BM_CorrectionsFound(benchmark::State& state) {
  const auto settings = static_cast<Settings>(state.range(0));
  int found = 0;
  for (auto _ : state) {
    Speller speller;
    speller.CreateSpeller(CharDictionaryPath(settings));
    found = 0;
    for (const Misspelling& m : Misspellings()) {
      const auto suggestions = speller.SuggestWords(TypedWord(m, state.range(1)));
      const size_t firstFive = std::min<size_t>(suggestions.size(), 5);
      for (size_t i = 0; i < firstFive; ++i) {
        if (AsciiLowerCase(suggestions[i]) == AsciiLowerCase(m.right)) {
          ++found;
          break;
        }
      }
    }
  }
  state.counters["found"] = found;
  state.counters["misspellings"] = static_cast<double>(Misspellings().size());
  state.SetLabel(std::string(SettingsName(settings)) + TypedName(state.range(1)));
}
BENCHMARK(BM_CorrectionsFound)
    ->ArgsProduct({{kStock, kShipped}, {kMisspellings, kLowerCase}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace kellavor::lexicon

BENCHMARK_MAIN();
