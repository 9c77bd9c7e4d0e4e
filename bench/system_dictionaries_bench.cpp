// Start-up cost of the system dictionaries (mapping, checking every header, index and phrase
// record, building the phrase pointer table) and the cost of their lookups, on the real data.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ime/lexicon/check_record.h"
#include "ime/lexicon/german_key.h"
#include "ime/lexicon/system_dictionaries.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

std::u16string Folder() {
  const char* folder = std::getenv("KELLAVOR_DICTIONARIES");
  return platform::Utf8ToUtf16(folder != nullptr ? folder : KELLAVOR_BUILT_DICTIONARIES) + u"/";
}

SystemDictionaries Mapped() {
  platform::SetResourceFolder(Folder());
  SystemDictionaries dictionaries;
  dictionaries.MapSystemFiles(Folder() + std::u16string(kCharFileName), Folder() + std::u16string(kPhraseFileName),
                              Folder() + std::u16string(kWordFileName));
  return dictionaries;
}

void MapSystemFiles(benchmark::State& state) {
  for (auto _ : state) {
    SystemDictionaries dictionaries = Mapped();
    benchmark::DoNotOptimize(dictionaries.PhraseRecordCount());
  }
  const SystemDictionaries dictionaries = Mapped();
  state.counters["chars"] = dictionaries.CharRecordCount();
  state.counters["phrases"] = dictionaries.PhraseRecordCount();
  state.counters["words"] = dictionaries.WordIndexCount();
  if (!dictionaries.IsPresent(SystemFile::kWords)) state.SkipWithError("no dictionaries: build the install folder first");
}
BENCHMARK(MapSystemFiles)->Unit(benchmark::kMillisecond);

// The German file's check at its first use: in full (every key index entry against the records),
// and as a process makes it when the record of checked files vouches for the file (the bounds, the
// stamp of the file and the lookup in the record).
void CheckWordFile(benchmark::State& state) {
  const bool vouched = state.range(0) != 0;
  const std::u16string path = Folder() + std::u16string(kWordFileName);
  const platform::MappedFile view = platform::MapReadOnlyFile(path, u"KellavorBench_De");
  const std::u16string record = (std::filesystem::temp_directory_path() / "kellavor-bench-checked-files.bin").u16string();
  const std::span<const uint8_t> bytes(view.data(), view.size());
  const CheckedFile checked{2, platform::StampOf(path).value_or(platform::FileStamp{}), HeaderHash(bytes)};
  AddToCheckRecord(record, checked);
  std::string fault;
  for (auto _ : state) {
    if (vouched) {
      const CheckedFile stamped{2, platform::StampOf(path).value_or(platform::FileStamp{}), HeaderHash(bytes)};
      if (!RecordVouchesFor(record, stamped)) state.SkipWithError("the record does not vouch for the file");
      benchmark::DoNotOptimize(LocateWordFileBounds(bytes, fault));
    } else {
      benchmark::DoNotOptimize(LocateWordFile(bytes, fault));
    }
  }
  platform::RemoveFile(record);
}
BENCHMARK(CheckWordFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void RebuildPhraseTable(benchmark::State& state) {
  SystemDictionaries dictionaries = Mapped();
  for (auto _ : state) {
    dictionaries.ReleasePhraseTable();
    benchmark::DoNotOptimize(dictionaries.PhraseRecordAt(0).bytes());
  }
}
BENCHMARK(RebuildPhraseTable)->Unit(benchmark::kMillisecond);

void CharClass(benchmark::State& state) {
  const SystemDictionaries dictionaries = Mapped();
  const std::u16string text = u"我们是中国人民他们说汉语行长银行";
  for (auto _ : state) {
    for (char16_t unit : text) benchmark::DoNotOptimize(dictionaries.CharClass(unit));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(CharClass);

// A binary search of the word key index for a folded input, reading each probed record's key.
void WordKeyLowerBound(benchmark::State& state) {
  const SystemDictionaries dictionaries = Mapped();
  const IndexView index = dictionaries.WordKeyIndex();
  const std::u16string key = FoldGermanKey(u"Mädchen");
  for (auto _ : state) {
    uint32_t low = 0;
    uint32_t high = index.size();
    while (low < high) {
      const uint32_t middle = low + (high - low) / 2;
      if (dictionaries.WordRecordAt(index[middle]).key() < key) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    benchmark::DoNotOptimize(low);
  }
}
BENCHMARK(WordKeyLowerBound);

}  // namespace
}  // namespace kellavor::lexicon
