// Any bytes as one of the system files: the first byte picks data_si.bin, data_ph.bin, data_de.bin
// or data_lm.bin, the rest is the file. The module's checks run first on an exact-size copy, where
// the address sanitizer sees every byte past its end, and every record they let through is read;
// then the module's dictionaries map the file beside the fixture's others and every search runs.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "fuzz/lexicon_exercise.h"
#include "ime/lexicon/char_file.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/index_view.h"
#include "ime/lexicon/language_model.h"
#include "ime/lexicon/phrase_file.h"
#include "ime/lexicon/phrase_record.h"
#include "ime/lexicon/word_file.h"
#include "ime/lexicon/word_record.h"

namespace {

using namespace kellavor::lexicon;

uint64_t ReadChecked(size_t kind, std::span<const uint8_t> file) {
  uint64_t sum = 0;
  std::string fault;
  if (kind == 0) {
    if (const std::optional<CharFileLayout> layout = LocateCharFile(file, fault)) {
      const auto* table = reinterpret_cast<const CharRecord*>(file.data() + layout->tableOffset);
      const IndexView index(file.data() + layout->indexOffset, layout->count);
      for (uint32_t k = 0; k < index.size(); ++k) sum += table[index[k]].character() + table[k].flags();
    }
  } else if (kind == 1) {
    if (const std::optional<PhraseFileLayout> layout = LocatePhraseFile(file, fault)) {
      std::vector<uint32_t> records;
      if (WalkPhraseArea(file, *layout, records, fault)) {
        for (const uint32_t offset : records) {
          const PhraseRecord phrase(file.data() + offset);
          for (char16_t unit : phrase.text()) sum += unit;
          for (uint32_t i = 0; i < phrase.syllableCount(); ++i) sum += phrase.syllable(i);
        }
        const IndexView initials(file.data() + layout->initialsIndexOffset, layout->count);
        for (uint32_t k = 0; k < initials.size(); ++k) sum += initials[k] < records.size() ? 1 : 0;
      }
    }
  } else if (kind == 2) {
    if (const std::optional<WordFileLayout> layout = LocateWordFile(file, fault)) {
      const IndexView index(file.data() + layout->keyIndexOffset, layout->count);
      for (uint32_t k = 0; k < index.size(); ++k) {
        if (!WordRecordFits(*layout, index[k])) continue;
        const WordRecord word(file.data() + index[k]);
        sum += word.word().size() + word.hint().size() + word.key().size() + word.frequency();
      }
    }
  } else if (const std::optional<ModelLayout> layout = LocateModelFile(file, fault)) {
    const LanguageModelView model(file.data(), *layout);
    for (std::u16string_view text : {u"中国", u"你好", u"我们", u"安全", u"放"}) {
      const std::optional<uint32_t> word = model.Word(text);
      const uint32_t number = word.value_or(LanguageModelView::kBoundary);
      sum += static_cast<uint64_t>(model.UnigramCost(number) + model.Cost(LanguageModelView::kBoundary, number));
    }
  }
  return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  if (size == 0) return 0;
  const size_t kind = data[0] % 4;
  const std::vector<uint8_t> file(data + 1, data + size);
  ReadChecked(kind, file);

  constexpr const char16_t* kNames[] = {u"data_si.bin", u"data_ph.bin", u"data_de.bin", u"data_lm.bin"};
  fuzz::WriteScratchFile(kNames[kind], file.data(), file.size());
  fuzz::RemoveScratchFile(u"data_us.bin");
  fuzz::WriteScratchFile(u"custom.ini", "");
  fuzz::WriteScratchFile(u"mohuyin.Ini", "[Fuzzy]\r\n1=z,zh\r\n2=an,ang\r\n3=n,l\r\n");
  lexicon::ModuleFiles files = fuzz::FixtureFiles();
  std::u16string* paths[] = {&files.charPath, &files.phrasePath, &files.wordPath, &files.modelPath};
  *paths[kind] = fuzz::ScratchPath(kNames[kind]);
  const settings::ImeSettings settings = fuzz::LexiconSettings();
  const auto lexicon = fuzz::OpenLexicon(files, settings);
  fuzz::ExerciseLexicon(*lexicon);
  return 0;
}
