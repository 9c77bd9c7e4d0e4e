// The German search on the real dictionaries, typed letter by letter: every keystroke of the
// misspellings of tests/fixtures/german_misspellings.tsv (corrections are sought from the fifth
// letter on, and kept from key to key as in the module), with Debian's speller settings (stock)
// and the shipped ones for the keys where the speller is asked. Reports the median and the 99th
// percentile per keystroke and how many misspellings end with their correction in the list.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench/misspellings.h"
#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/german_search.h"
#include "ime/lexicon/user_block.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

const SystemDictionaries& Dictionaries() {
  static const SystemDictionaries* dictionaries = [] {
    const std::string folder = KELLAVOR_BUILT_DICTIONARIES "/";
    platform::SetResourceFolder(platform::Utf8ToUtf16(folder));
    auto* mapped = new SystemDictionaries();
    mapped->MapSystemFiles(platform::Utf8ToUtf16(folder + "data_si.bin"), platform::Utf8ToUtf16(folder + "data_ph.bin"),
                           platform::Utf8ToUtf16(folder + "data_de.bin"));
    return mapped;
  }();
  return *dictionaries;
}

bool Offers(const base::GrowArray& list, const std::u16string& word) {
  for (int32_t i = 0; i < list.count(); ++i) {
    char16_t scratch[2];
    if (CandidateTextView(list.At<Candidate>(i), scratch) == word) return true;
  }
  return false;
}

void BM_TypeMisspellings(benchmark::State& state) {
  const bool shipped = state.range(0) == 1;
  const std::vector<bench::Misspelling>& misspellings = bench::Misspellings();
  std::vector<double> keystrokes;
  int corrected = 0;
  for (auto _ : state) {
    Speller speller;
    speller.CreateSpeller(platform::Utf8ToUtf16(std::string(KELLAVOR_BENCH_FOLDER) + (shipped ? "shipped" : "stock") +
                                                "/data_si.bin"));
    speller.SuggestWords(u"x");  // loading is measured by the speller's own benchmark
    NearKeys nearKeys;
    const GermanSources sources{Dictionaries(), speller, UserBlockView(), &nearKeys};
    keystrokes.clear();
    corrected = 0;
    base::GrowArray list(sizeof(Candidate), 10000);
    for (const bench::Misspelling& word : misspellings) {
      for (size_t typed = 1; typed <= word.wrong.size(); ++typed) {
        list.SetCapacity(0);
        list.SetCapacity(10000);
        const auto start = std::chrono::steady_clock::now();
        SearchGerman(sources, std::u16string_view(word.wrong).substr(0, typed), list);
        keystrokes.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      }
      corrected += Offers(list, word.right);
    }
  }
  state.counters["median_ms"] = bench::Percentile(keystrokes, 0.5);
  state.counters["p99_ms"] = bench::Percentile(keystrokes, 0.99);
  state.counters["corrected"] = corrected;
  state.counters["words"] = static_cast<double>(misspellings.size());
  state.SetLabel(shipped ? "shipped" : "stock");
}
BENCHMARK(BM_TypeMisspellings)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace kellavor::lexicon
