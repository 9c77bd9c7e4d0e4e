// The pinyin search on the real dictionaries, as the user types: every input is typed letter by
// letter and each prefix is one search (one keystroke). Reported per keystroke: the median and the
// slowest of the prefixes, each prefix timed by its median over the iterations, in CPU time of the
// thread (steady on a shared machine) and in wall time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <time.h>

#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/record_lists.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

std::u16string Folder() {
  const char* folder = std::getenv("KELLAVOR_DICTIONARIES");
  return platform::Utf8ToUtf16(folder != nullptr ? folder : KELLAVOR_BUILT_DICTIONARIES) + u"/";
}

// One Lexicon without and one with the default fuzzy pairs of the install folder.
Lexicon& Shared(bool fuzzy) {
  static std::unique_ptr<Lexicon> lexicons[2];
  std::unique_ptr<Lexicon>& lexicon = lexicons[fuzzy ? 1 : 0];
  if (!lexicon) {
    platform::SetResourceFolder(Folder());
    lexicon = std::make_unique<Lexicon>();
    lexicon->Initialise({Folder() + u"data_si.bin", Folder() + u"data_ph.bin", Folder() + u"data_de.bin",
                         Folder() + u"mohuyin.Ini"},
                        fuzzy);
  }
  return *lexicon;
}

double ThreadMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

// characterset 2 and learned entries on, as the module's defaults search.
void TypeLetterByLetter(benchmark::State& state, const std::u16string& input, bool fuzzy) {
  Lexicon& lexicon = Shared(fuzzy);
  if (!lexicon.Dictionaries().IsPresent(SystemFile::kPhrases)) {
    state.SkipWithError("no dictionaries: build the install folder first");
    return;
  }
  base::GrowArray candidates(sizeof(Candidate), 10000);
  std::vector<std::vector<double>> cpu(input.size());
  std::vector<std::vector<double>> wall(input.size());
  int64_t found = 0;
  for (auto _ : state) {
    for (size_t letters = 1; letters <= input.size(); ++letters) {
      EmptyList(candidates);
      const double cpuStart = ThreadMicroseconds();
      const auto wallStart = std::chrono::steady_clock::now();
      found += lexicon.SearchPinyin(std::u16string_view(input).substr(0, letters), candidates, 2, true);
      const auto wallStop = std::chrono::steady_clock::now();
      cpu[letters - 1].push_back(ThreadMicroseconds() - cpuStart);
      wall[letters - 1].push_back(std::chrono::duration<double, std::micro>(wallStop - wallStart).count());
    }
  }
  std::vector<double> cpuPerPrefix;
  std::vector<double> wallPerPrefix;
  for (size_t k = 0; k < input.size(); ++k) {
    cpuPerPrefix.push_back(Median(cpu[k]));
    wallPerPrefix.push_back(Median(wall[k]));
  }
  state.counters["median_us"] = Median(cpuPerPrefix);
  state.counters["max_us"] = *std::max_element(cpuPerPrefix.begin(), cpuPerPrefix.end());
  state.counters["median_wall_us"] = Median(wallPerPrefix);
  state.counters["keystrokes"] = static_cast<double>(input.size());
  state.counters["candidates"] = static_cast<double>(found) / static_cast<double>(state.iterations() * input.size());
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(input.size()));
}

// The headline figure: a 30-letter sentence (我们明天一起去上海玩).
BENCHMARK_CAPTURE(TypeLetterByLetter, sentence30, std::u16string(u"womenmingtianyiqiqushanghaiwan"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, sentence30_fuzzy, std::u16string(u"womenmingtianyiqiqushanghaiwan"), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, syllable_zhong, std::u16string(u"zhong"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, syllable_shi, std::u16string(u"shi"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, syllable_xiang, std::u16string(u"xiang"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, word_zhongguo, std::u16string(u"zhongguo"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, word_diannao, std::u16string(u"diannao"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, word_zhongguoren, std::u16string(u"zhongguoren"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, word_tushuguan, std::u16string(u"tushuguanli"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, woxiangqubeijingkankan, std::u16string(u"woxiangqubeijingkankan"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, zhonghuarenmingongheguo, std::u16string(u"zhonghuarenmingongheguo"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, initials_zgrm, std::u16string(u"zgrm"), false)->Unit(benchmark::kMicrosecond);
// The first 64 letters of a longer sentence: the most the composition holds.
BENCHMARK_CAPTURE(TypeLetterByLetter, letters64,
                  std::u16string(u"woxiangqubeijingkankanzhonghuarenmingongheguodeshoudouhenpiaolia"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeLetterByLetter, letters64_fuzzy,
                  std::u16string(u"woxiangqubeijingkankanzhonghuarenmingongheguodeshoudouhenpiaolia"), true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kellavor::lexicon
