// Any bytes as mohuyin.Ini: the fuzzy-sound pairs are loaded and every pinyin search runs with them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_folder.h"
#include "fuzz/lexicon_exercise.h"
#include "ime/lexicon/fuzzy_pairs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  fuzz::WriteScratchFile(u"mohuyin.Ini", data, size);
  fuzz::RemoveScratchFile(u"data_us.bin");
  fuzz::WriteScratchFile(u"custom.ini", "");
  lexicon::FuzzyPairList pairs;
  pairs.LoadFuzzyPairs(fuzz::ScratchPath(u"mohuyin.Ini"), true);
  if (pairs.Pairs().size() > static_cast<size_t>(lexicon::kMaxFuzzyPairs)) std::abort();
  const settings::ImeSettings settings = fuzz::LexiconSettings();
  const auto lexicon = fuzz::OpenLexicon(fuzz::FixtureFiles(), settings);
  fuzz::ExerciseLexicon(*lexicon);
  return 0;
}
