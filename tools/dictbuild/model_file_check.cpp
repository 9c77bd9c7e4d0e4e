// Check mode for data_lm.bin: the reader accepts the file, every word is found again by its text,
// no word is named twice, and every pair slot names words of the table.
#include <span>
#include <string>
#include <vector>

#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/language_model.h"
#include "ime/lexicon/language_model_format.h"
#include "tools/dictbuild/file_checkers.h"

namespace kellavor::dictbuild {

void CheckModelFile(std::span<const uint8_t> file, Violations& violations) {
  const std::string name = "data_lm.bin";
  std::string fault;
  const std::optional<lexicon::ModelLayout> layout = lexicon::LocateModelFile(file, fault);
  if (!layout) {
    violations.Add(name, "the module's reader rejects the file", fault);
    return;
  }
  const lexicon::LanguageModelView model(file.data(), *layout);
  for (uint32_t word = 1; word < layout->words; ++word) {
    const uint8_t* entry = file.data() + layout->wordTable + lexicon::kModelWordBytes * static_cast<size_t>(word);
    const uint32_t offset = lexicon::LoadU32(entry);
    const uint32_t units = lexicon::LoadU16(entry + 4);
    if (offset % 2 != 0 || static_cast<uint64_t>(offset) + 2 * units > layout->textPoolBytes || units == 0) {
      violations.Add(name, "a word's text lies outside the pool or is empty", "word " + std::to_string(word));
      continue;
    }
    const std::u16string_view text(reinterpret_cast<const char16_t*>(file.data() + layout->textPool + offset), units);
    if (model.Word(text) != word) violations.Add(name, "a word is not found by its text", "word " + std::to_string(word));
  }
  for (uint32_t slot = 0; slot < layout->pairSlotCount; ++slot) {
    const uint8_t* entry = file.data() + layout->pairSlots + lexicon::kModelPairSlotBytes * static_cast<size_t>(slot);
    const uint32_t first = lexicon::LoadU32(entry);
    if (first == 0) continue;
    const uint32_t second = lexicon::LoadU32(entry + 4);
    if (first > layout->words || second >= layout->words || second == 0) {
      violations.Add(name, "a pair names a word outside the table", "slot " + std::to_string(slot));
    } else if (model.Cost(first - 1, second) != lexicon::LoadU16(entry + 8)) {
      violations.Add(name, "a pair is not found where it is stored", "slot " + std::to_string(slot));
    }
  }
}

}  // namespace kellavor::dictbuild
