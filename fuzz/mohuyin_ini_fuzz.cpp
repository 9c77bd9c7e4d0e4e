// Any bytes as mohuyin.Ini: the fuzzy-sound pairs are loaded and every pinyin search runs with them.
// The module's dictionaries are made once; each input reaches them as a settings reload does, which
// reads the pairs again, and the user dictionary starts each input empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fuzz/fuzz_folder.h"
#include "fuzz/lexicon_exercise.h"
#include "ime/lexicon/fuzzy_pairs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  static const settings::ImeSettings settings = fuzz::LexiconSettings();
  static const std::unique_ptr<lexicon::ModuleLexicon> lexicon = [] {
    fuzz::RemoveScratchFile(u"data_us.bin");
    fuzz::WriteScratchFile(u"custom.ini", "");
    fuzz::WriteScratchFile(u"mohuyin.Ini", "");
    return fuzz::OpenLexicon(fuzz::FixtureFiles(), settings);
  }();
  fuzz::WriteScratchFile(u"mohuyin.Ini", data, size);
  lexicon->ReloadSettings();
  if (lexicon->lexicon().FuzzyPairs().size() > static_cast<size_t>(lexicon::kMaxFuzzyPairs)) std::abort();
  lexicon->userDictionary().ClearUserDictionary();
  fuzz::ExerciseLexicon(*lexicon);
  return 0;
}
