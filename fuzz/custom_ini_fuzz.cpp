// Any bytes as custom.ini: parsed, loaded as the custom phrases and searched with every key it
// holds and a few more.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_folder.h"
#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/custom_ini.h"
#include "ime/lexicon/custom_phrases.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<lexicon::CustomIniEntry> entries = lexicon::ParseCustomIni(bytes);
  fuzz::WriteScratchFile(u"custom.ini", data, size);
  lexicon::CustomPhrases phrases([] { return platform::LocalTime{2024, 2, 4, 29, 23, 59, 58, 999}; });
  phrases.InitCustomPhrases(fuzz::ScratchPath(u"custom.ini"), true);
  std::vector<std::u16string> keys = {u"a", u"mfg", u"date", u"", u"zzzzzzzz"};
  for (size_t i = 0; i < entries.size() && i < 32; ++i) keys.push_back(entries[i].key);
  for (const std::u16string& key : keys) {
    base::GrowArray list(sizeof(lexicon::Candidate), 8);
    phrases.Search(key.c_str(), list);
  }
  return 0;
}
