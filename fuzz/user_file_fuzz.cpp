// Any bytes as data_us.bin: checked on an exact-size copy, where the address sanitizer sees every
// byte past its end, and loaded into a block of exactly the size the module gives it, whose image
// for a save must pass the check again; then opened by the module's dictionaries as a reopen does,
// searched, learned into and saved, and the saved file must pass the same check. The module's
// dictionaries are made once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "fuzz/exact_buffer.h"
#include "fuzz/fuzz_folder.h"
#include "fuzz/lexicon_exercise.h"
#include "ime/lexicon/user_block_layout.h"
#include "ime/lexicon/user_file.h"
#include "ime/platform/file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  static const settings::ImeSettings settings = fuzz::LexiconSettings();
  static const std::unique_ptr<lexicon::ModuleLexicon> lexicon = [] {
    fuzz::WriteScratchFile(u"custom.ini", "");
    fuzz::WriteScratchFile(u"mohuyin.Ini", "");
    fuzz::RemoveScratchFile(u"data_us.bin");
    return fuzz::OpenLexicon(fuzz::FixtureFiles(), settings);
  }();
  const std::vector<uint8_t> file(data, data + size);
  const lexicon::SyllableTable& syllables = lexicon->lexicon().Dictionaries().Syllables();
  if (lexicon::CheckUserFile(file, syllables).empty()) {
    const size_t blockSize = lexicon::UserBlockSize(size);
    static fuzz::ExactBuffer buffer;
    uint8_t* block = buffer.Zeroed(blockSize);
    if (!lexicon::LoadUserFile(file, block, blockSize)) std::abort();
    const std::optional<std::vector<uint8_t>> image = lexicon::UserFileImage(block, blockSize);
    if (!image || !lexicon::CheckUserFile(*image, syllables).empty()) std::abort();
  }
  fuzz::WriteScratchFile(u"data_us.bin", data, size);
  fuzz::RemoveScratchFile(u"data_us.bin.bad");
  lexicon->userDictionary().ReopenUserDictionary();
  fuzz::ExerciseLexicon(*lexicon);
  const std::optional<std::vector<uint8_t>> saved =
      platform::ReadWholeFile(fuzz::ScratchPath(u"data_us.bin"), size_t{64} << 20);
  if (saved && !lexicon::CheckUserFile(*saved, syllables).empty()) std::abort();
  return 0;
}
