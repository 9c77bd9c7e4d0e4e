// The user dictionary at 5000 records: loading it (creating the shared block, reading and checking
// data_us.bin, laying it out, filling the offset table) and learning one entry into it (the lock,
// the duplicate search in index 1, the record write and two index insertions).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/user_dictionary.h"
#include "ime/platform/file_system.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

constexpr uint32_t kRecords = 5000;

std::u16string DictionaryFolder() {
  const char* folder = std::getenv("KELLAVOR_DICTIONARIES");
  return platform::Utf8ToUtf16(folder != nullptr ? folder : KELLAVOR_BUILT_DICTIONARIES) + u"/";
}

const SystemDictionaries& Dictionaries() {
  static const SystemDictionaries dictionaries = [] {
    platform::SetResourceFolder(DictionaryFolder());
    SystemDictionaries mapped;
    mapped.MapSystemFiles(DictionaryFolder() + std::u16string(kCharFileName),
                          DictionaryFolder() + std::u16string(kPhraseFileName),
                          DictionaryFolder() + std::u16string(kWordFileName));
    return mapped;
  }();
  return dictionaries;
}

UserDictionaryOptions BenchNames(const char* topic) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string base = std::string("KellavorBench_") + topic + "_" + std::to_string(stamp);
  UserDictionaryOptions options;
  options.blockName = platform::AsciiToUtf16(base);
  options.mutexName = platform::AsciiToUtf16(base + "_lock");
  return options;
}

CharRecord Character(uint32_t value, uint16_t syllable) {
  CharRecord record{};
  std::memcpy(record.bytes + CharRecord::kCharacterOffset, &value, 4);
  std::memcpy(record.bytes + CharRecord::kSyllableOffset, &syllable, 2);
  return record;
}

std::u16string PhraseText(uint32_t n, uint32_t units) {
  std::u16string text;
  for (uint32_t i = 0; i < units; ++i) text.push_back(static_cast<char16_t>(0x4E00 + (n * 7 + i * 131) % 20000));
  text.push_back(static_cast<char16_t>(0x9000 + n % 4000));
  return text;
}

std::vector<uint16_t> PhraseCodes(uint32_t n, size_t count) {
  const uint32_t syllables = std::max(1u, Dictionaries().SyllableCount());
  std::vector<uint16_t> codes;
  for (size_t i = 0; i < count; ++i) codes.push_back(static_cast<uint16_t>((n * 13 + i * 29) % syllables));
  return codes;
}

// A data_us.bin of 5000 learned records: 2000 characters, 2000 phrases of 2 to 4 characters and
// 1000 German words, written once per run.
const std::u16string& FileOf5000() {
  static const std::u16string path = [] {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kellavor-bench-user";
    std::filesystem::create_directories(folder);
    const std::u16string file = (folder / "data_us.bin").u16string();
    std::filesystem::remove(folder / "data_us.bin");
    UserDictionary dictionary(Dictionaries(), BenchNames("build"));
    dictionary.OpenUserDictionary(file);
    for (uint32_t n = 0; n < 2000; ++n) dictionary.AddUserChar(Character(0x4E00 + n, static_cast<uint16_t>(n % 400)));
    for (uint32_t n = 0; n < 2000; ++n) {
      const std::u16string text = PhraseText(n, 1 + n % 3);
      dictionary.LearnPhrase(text, PhraseCodes(n, text.size()), 1);
    }
    for (uint32_t n = 0; n < 1000; ++n) dictionary.LearnWord(u"Wort" + platform::AsciiToUtf16(std::to_string(n)));
    dictionary.SaveUserDictionary();
    return file;
  }();
  return path;
}

// The dictionaries give the syllable letters of index 2 and the hints of German words.
bool HaveDictionaries(benchmark::State& state) {
  if (Dictionaries().SyllableCount() != 0) return true;
  state.SkipWithError("no syllable table: build the install folder or set KELLAVOR_DICTIONARIES");
  return false;
}

void LoadUserDictionary(benchmark::State& state) {
  if (!HaveDictionaries(state)) return;
  const std::u16string& file = FileOf5000();
  UserDictionary dictionary(Dictionaries(), BenchNames("load"));
  for (auto _ : state) {
    dictionary.OpenUserDictionary(file);  // the only holder: every open creates and loads the block
    benchmark::DoNotOptimize(dictionary.View().RecordCount());
    dictionary.CloseUserDictionary();
  }
  dictionary.OpenUserDictionary(file);
  state.counters["records"] = dictionary.View().RecordCount();
  state.counters["bytes"] = static_cast<double>(platform::FileSize(file).value_or(0));
  if (dictionary.View().RecordCount() != kRecords) state.SkipWithError("the dictionary did not load");
}
BENCHMARK(LoadUserDictionary)->Unit(benchmark::kMicrosecond);

// A new phrase each time; the dictionary is loaded again before the offset table fills up.
void LearnNewEntry(benchmark::State& state) {
  if (!HaveDictionaries(state)) return;
  const std::u16string& file = FileOf5000();
  UserDictionary dictionary(Dictionaries(), BenchNames("learn"));
  dictionary.OpenUserDictionary(file);
  uint32_t n = 0;
  for (auto _ : state) {
    if (dictionary.View().RecordCount() >= 2 * kRecords - 1) {
      state.PauseTiming();
      dictionary.ReopenUserDictionary();
      state.ResumeTiming();
    }
    const std::u16string text = u"新" + PhraseText(100000 + n, 2);
    if (dictionary.LearnPhrase(text, PhraseCodes(n, text.size()), 1) != learn_result::kLearned) {
      state.SkipWithError("the entry was not learned");
      break;
    }
    ++n;
  }
}
BENCHMARK(LearnNewEntry)->Unit(benchmark::kMicrosecond);

// An entry the dictionary holds: its use count rises.
void LearnKnownEntry(benchmark::State& state) {
  if (!HaveDictionaries(state)) return;
  const std::u16string& file = FileOf5000();
  UserDictionary dictionary(Dictionaries(), BenchNames("known"));
  dictionary.OpenUserDictionary(file);
  const std::u16string text = PhraseText(1234, 1 + 1234 % 3);
  const std::vector<uint16_t> codes = PhraseCodes(1234, text.size());
  for (auto _ : state) {
    if (dictionary.LearnPhrase(text, codes, 1) != learn_result::kAlreadyPresent) {
      state.SkipWithError("the entry was not there");
      break;
    }
  }
}
BENCHMARK(LearnKnownEntry)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kellavor::lexicon
