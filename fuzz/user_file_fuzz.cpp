// Any bytes as data_us.bin: checked on an exact-size copy, where the address sanitizer sees every
// byte past its end; then opened by the module's dictionaries, searched, learned into and saved,
// and the saved file must pass the same check.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "fuzz/lexicon_exercise.h"
#include "ime/lexicon/user_block_layout.h"
#include "ime/lexicon/user_file.h"
#include "ime/platform/file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  const std::vector<uint8_t> file(data, data + size);
  const settings::ImeSettings settings = fuzz::LexiconSettings();
  fuzz::WriteScratchFile(u"custom.ini", "");
  fuzz::WriteScratchFile(u"mohuyin.Ini", "");
  fuzz::WriteScratchFile(u"data_us.bin", data, size);
  fuzz::RemoveScratchFile(u"data_us.bin.bad");
  {
    const auto lexicon = fuzz::OpenLexicon(fuzz::FixtureFiles(), settings);
    const lexicon::SyllableTable& syllables = lexicon->lexicon().Dictionaries().Syllables();
    if (lexicon::CheckUserFile(file, syllables).empty()) {
      const size_t blockSize = size * 2 + 65536;
      const std::unique_ptr<uint8_t[]> block(new uint8_t[blockSize]());
      if (lexicon::LoadUserFile(file, block.get(), blockSize)) lexicon::UserFileImage(block.get(), blockSize);
    }
    fuzz::ExerciseLexicon(*lexicon);
    const std::optional<std::vector<uint8_t>> saved =
        platform::ReadWholeFile(fuzz::ScratchPath(u"data_us.bin"), size_t{64} << 20);
    if (saved && !lexicon::CheckUserFile(*saved, syllables).empty()) std::abort();
  }
  return 0;
}
