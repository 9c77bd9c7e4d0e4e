// How often the German search brings back the intended word for a misspelling of a frequent word:
// the misspellings of tests/fixtures/german_frequent_misspellings.tsv (a letter dropped, doubled,
// or two neighbours swapped), each typed as written and in lower case, searched once in full on
// the real dictionaries with the shipped speller. Reports how many end with the intended word
// first and on the first page (5 candidates), and the median and 99th percentile of a search.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
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

constexpr int32_t kPageSize = 5;

std::vector<bench::Misspelling> FrequentMisspellings() { return bench::ReadMisspellings(KELLAVOR_FREQUENT_MISSPELLINGS); }

std::u16string LowerCase(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    if (c == u'Ä') c = u'ä';
    if (c == u'Ö') c = u'ö';
    if (c == u'Ü') c = u'ü';
  }
  return text;
}

// The place of word in the list, or -1.
int32_t PlaceOf(const base::GrowArray& list, const std::u16string& word) {
  for (int32_t i = 0; i < list.count(); ++i) {
    char16_t scratch[2];
    if (CandidateTextView(list.At<Candidate>(i), scratch) == word) return i;
  }
  return -1;
}

void BM_RecallFrequentMisspellings(benchmark::State& state) {
  const bool lowerCase = state.range(0) == 1;
  const std::string folder = KELLAVOR_BUILT_DICTIONARIES "/";
  platform::SetResourceFolder(platform::Utf8ToUtf16(folder));
  SystemDictionaries dictionaries;
  dictionaries.MapSystemFiles(platform::Utf8ToUtf16(folder + "data_si.bin"), platform::Utf8ToUtf16(folder + "data_ph.bin"),
                              platform::Utf8ToUtf16(folder + "data_de.bin"));
  const std::vector<bench::Misspelling> misspellings = FrequentMisspellings();
  std::vector<double> searches;
  int first = 0;
  int firstPage = 0;
  int listed = 0;
  for (auto _ : state) {
    Speller speller;
    speller.CreateSpeller(platform::Utf8ToUtf16(folder + "data_si.bin"));
    speller.SuggestWords(u"x");  // loading is measured by the speller's own benchmark
    const GermanSources sources{dictionaries, speller, UserBlockView()};
    base::GrowArray list(sizeof(Candidate), 10000);
    searches.clear();
    first = firstPage = listed = 0;
    for (const bench::Misspelling& word : misspellings) {
      const std::u16string typed = lowerCase ? LowerCase(word.wrong) : word.wrong;
      list.SetCapacity(0);
      list.SetCapacity(10000);
      const auto start = std::chrono::steady_clock::now();
      SearchGerman(sources, typed, list);
      searches.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      const int32_t place = PlaceOf(list, word.right);
      first += place == 0;
      firstPage += place >= 0 && place < kPageSize;
      listed += place >= 0;
    }
  }
  const double count = static_cast<double>(misspellings.size());
  state.counters["words"] = count;
  state.counters["first_pct"] = count > 0 ? 100.0 * first / count : 0;
  state.counters["page_pct"] = count > 0 ? 100.0 * firstPage / count : 0;
  state.counters["listed_pct"] = count > 0 ? 100.0 * listed / count : 0;
  state.counters["median_ms"] = bench::Percentile(searches, 0.5);
  state.counters["p99_ms"] = bench::Percentile(searches, 0.99);
  state.SetLabel(lowerCase ? "typed in lower case" : "typed as written");
}
BENCHMARK(BM_RecallFrequentMisspellings)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace kellavor::lexicon
