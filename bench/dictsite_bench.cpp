// The dictionary site on the shipped German dictionary: building the lookup page of a word and
// the word page of a short prefix, and one lookup request over the loopback address as the
// viewer makes it. KELLAVOR_DICTIONARIES names another folder than the install folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "ime/platform/utf.h"
#include "tools/dictsite/dict_site.h"
#include "tools/dictsite/site_pages.h"
#include "tools/dictsite/word_details.h"

namespace kellavor::dictsite {
namespace {

std::u16string DataFolder() {
  const char* folder = std::getenv("KELLAVOR_DICTIONARIES");
  return platform::Utf8ToUtf16(std::string(folder != nullptr ? folder : KELLAVOR_BUILT_DICTIONARIES) + "/");
}

const lexicon::SystemDictionaries& Dictionaries() {
  static const lexicon::SystemDictionaries* dictionaries = [] {
    auto* mapped = new lexicon::SystemDictionaries({u"BenchSite_Si", u"BenchSite_Ph", u"BenchSite_De", u"BenchSite_Lm"});
    mapped->MapSystemFiles(u"", u"", DataFolder() + std::u16string(lexicon::kWordFileName));
    return mapped;
  }();
  return *dictionaries;
}

const std::vector<std::u16string> kWords = {u"Haus", u"Mädchen", u"machen", u"Straße", u"gestern", u"Computer",
                                            u"Zeit", u"Arbeit"};

void BM_LookupPage(benchmark::State& state) {
  if (!Dictionaries().IsPresent(lexicon::SystemFile::kWords)) {
    state.SkipWithError("no German dictionary");
    return;
  }
  size_t i = 0;
  for (auto _ : state) {
    const std::optional<WordDetails> details = LookUpWord(Dictionaries(), kWords[i++ % kWords.size()]);
    std::string page = details.has_value() ? LookupPage(*details) : UnknownWordPage("x");
    benchmark::DoNotOptimize(page);
  }
}
BENCHMARK(BM_LookupPage);

void BM_WordPageOfOneLetter(benchmark::State& state) {
  for (auto _ : state) {
    std::string page = WordPage("m", WordsBeginningWith(Dictionaries(), u"m", 50));
    benchmark::DoNotOptimize(page);
  }
}
BENCHMARK(BM_WordPageOfOneLetter);

void BM_LookupRequest(benchmark::State& state) {
  DictSite site(DataFolder());
  const int port = site.Bind(0);
  std::thread server([&site] { site.Serve(); });
  httplib::Client client(kLoopbackAddress, port);
  client.set_keep_alive(true);
  size_t i = 0;
  for (auto _ : state) {
    const std::string word = platform::Utf16ToUtf8(kWords[i++ % kWords.size()]);
    httplib::Result result = client.Get(LookupLink(word));
    if (!result || result->status != 200) state.SkipWithError("request failed");
  }
  site.Stop();
  server.join();
}
BENCHMARK(BM_LookupRequest)->UseRealTime();

}  // namespace
}  // namespace kellavor::dictsite
