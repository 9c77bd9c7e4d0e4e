#include "ime/lexicon/language_model.h"

#include <bit>

#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/file_bounds.h"
#include "ime/lexicon/language_model_format.h"
#include "ime/platform/debug_output.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

bool HashTableFits(uint32_t offset, uint32_t slots, uint32_t probes, size_t slotBytes, size_t fileSize) {
  return slots != 0 && std::has_single_bit(slots) && probes <= slots && FitsInFile(offset, slots, slotBytes, fileSize);
}

int16_t LoadI16(const uint8_t* bytes) { return static_cast<int16_t>(LoadU16(bytes)); }

}  // namespace

std::optional<ModelLayout> LocateModelFile(std::span<const uint8_t> file, std::string& fault) {
  if (file.size() < kModelHeaderBytes) {
    fault = "the header is cut short";
    return std::nullopt;
  }
  const uint8_t* h = file.data();
  if (HeaderWord(h, model_word::kMagic) != kModelMagic) {
    fault = "the file is not a language model";
    return std::nullopt;
  }
  ModelLayout layout;
  layout.words = HeaderWord(h, model_word::kWordCount);
  layout.wordTable = HeaderWord(h, model_word::kWordTable);
  layout.textPool = HeaderWord(h, model_word::kTextPool);
  layout.textPoolBytes = HeaderWord(h, model_word::kTextPoolBytes);
  layout.textSlots = HeaderWord(h, model_word::kTextSlots);
  layout.textSlotCount = HeaderWord(h, model_word::kTextSlotCount);
  layout.textProbes = HeaderWord(h, model_word::kTextProbes);
  layout.pairSlots = HeaderWord(h, model_word::kPairSlots);
  layout.pairSlotCount = HeaderWord(h, model_word::kPairSlotCount);
  layout.pairProbes = HeaderWord(h, model_word::kPairProbes);
  layout.longestWord = HeaderWord(h, model_word::kLongestWord);
  layout.pairFilter = HeaderWord(h, model_word::kPairFilter);
  layout.pairFilterBlocks = HeaderWord(h, model_word::kPairFilterBlocks);
  if (layout.words == 0 || !FitsInFile(layout.wordTable, layout.words, kModelWordBytes, file.size())) {
    fault = "the word table runs past the end of the file";
  } else if (!FitsInFile(layout.textPool, layout.textPoolBytes, 1, file.size())) {
    fault = "the text pool runs past the end of the file";
  } else if (layout.textPool % 2 != 0) {
    // The texts are read in place as UTF-16.
    fault = "the text pool does not start on a unit boundary";
  } else if (!HashTableFits(layout.textSlots, layout.textSlotCount, layout.textProbes, kModelTextSlotBytes,
                            file.size())) {
    fault = "the text table is not a power of two of slots inside the file";
  } else if (!HashTableFits(layout.pairSlots, layout.pairSlotCount, layout.pairProbes, kModelPairSlotBytes,
                            file.size())) {
    fault = "the pair table is not a power of two of slots inside the file";
  } else if (layout.pairFilterBlocks != 0 && !HashTableFits(layout.pairFilter, layout.pairFilterBlocks, 0,
                                                            kModelFilterBlockBytes, file.size())) {
    fault = "the pair filter is not a power of two of blocks inside the file";
  } else {
    return layout;
  }
  return std::nullopt;
}

const uint8_t* LanguageModelView::WordEntry(uint32_t word) const {
  return file_ + layout_.wordTable + kModelWordBytes * static_cast<size_t>(word);
}

std::u16string_view LanguageModelView::Text(uint32_t word) const {
  const uint8_t* entry = WordEntry(word);
  const uint32_t offset = LoadU32(entry);
  const uint32_t units = LoadU16(entry + 4);
  if (offset % 2 != 0 || !FitsInFile(offset, units, 2, layout_.textPoolBytes)) return {};
  return {reinterpret_cast<const char16_t*>(file_ + layout_.textPool + offset), units};
}

std::optional<uint32_t> LanguageModelView::Word(std::u16string_view text) const {
  if (text.empty()) return std::nullopt;
  const uint32_t mask = layout_.textSlotCount - 1;
  uint32_t slot = ModelTextHash(text) & mask;
  for (uint32_t probe = 0; probe < layout_.textProbes; ++probe, slot = (slot + 1) & mask) {
    const uint32_t stored = LoadU32(file_ + layout_.textSlots + kModelTextSlotBytes * static_cast<size_t>(slot));
    if (stored == 0) return std::nullopt;
    const uint32_t word = stored - 1;
    if (word < layout_.words && Text(word) == text) return word;
  }
  return std::nullopt;
}

void LanguageModelView::PrefetchWords(std::span<const std::u16string_view> texts) const {
  const uint32_t mask = layout_.textSlotCount - 1;
  const auto slotOf = [&](std::u16string_view text) {
    return file_ + layout_.textSlots + kModelTextSlotBytes * static_cast<size_t>(ModelTextHash(text) & mask);
  };
  for (const std::u16string_view text : texts) __builtin_prefetch(slotOf(text));
  // The first word of each text's probe sequence, the likely one.
  const auto firstWord = [&](std::u16string_view text) { return LoadU32(slotOf(text)) - 1; };
  for (const std::u16string_view text : texts) {
    if (const uint32_t word = firstWord(text); word < layout_.words) __builtin_prefetch(WordEntry(word));
  }
  for (const std::u16string_view text : texts) {
    const uint32_t word = firstWord(text);
    if (word >= layout_.words) continue;
    const uint32_t offset = LoadU32(WordEntry(word));
    if (offset < layout_.textPoolBytes) __builtin_prefetch(file_ + layout_.textPool + offset);
  }
}

int32_t LanguageModelView::UnigramCost(uint32_t word) const {
  if (word >= layout_.words) return 0;
  return LoadU16(WordEntry(word) + 6);
}

const uint8_t* LanguageModelView::FilterBlock(uint32_t pairHash) const {
  if (layout_.pairFilterBlocks == 0) return nullptr;
  return file_ + layout_.pairFilter + kModelFilterBlockBytes * static_cast<size_t>(pairHash & (layout_.pairFilterBlocks - 1));
}

bool LanguageModelView::MayBeStored(uint32_t pairHash) const {
  const uint8_t* block = FilterBlock(pairHash);
  if (block == nullptr) return true;
  for (uint32_t k = 0; k < kModelFilterBits; ++k) {
    const uint32_t bit = ModelFilterBit(pairHash, k);
    if ((block[bit / 8] >> (bit % 8) & 1) == 0) return false;
  }
  return true;
}

int32_t LanguageModelView::Cost(uint32_t previous, uint32_t word, uint32_t pairHash) const {
  if (previous >= layout_.words) return UnigramCost(word);
  const int32_t backedOff = LoadI16(WordEntry(previous) + 8) + UnigramCost(word);
  if (!MayBeStored(pairHash)) return backedOff;
  const uint32_t mask = layout_.pairSlotCount - 1;
  uint32_t slot = pairHash & mask;
  for (uint32_t probe = 0; probe < layout_.pairProbes; ++probe, slot = (slot + 1) & mask) {
    const uint8_t* entry = file_ + layout_.pairSlots + kModelPairSlotBytes * static_cast<size_t>(slot);
    const uint32_t first = LoadU32(entry);
    if (first == 0) break;
    if (first == previous + 1 && LoadU32(entry + 4) == word) return LoadU16(entry + 8);
  }
  return backedOff;
}

void LanguageModelView::PrefetchCost(uint32_t previous, uint32_t word, uint32_t pairHash) const {
  if (word < layout_.words) __builtin_prefetch(WordEntry(word));
  if (previous >= layout_.words) return;
  __builtin_prefetch(WordEntry(previous));
  // With a filter the table is read only for the few pairs it lets through.
  if (const uint8_t* block = FilterBlock(pairHash)) {
    __builtin_prefetch(block);
    return;
  }
  const uint32_t slot = pairHash & (layout_.pairSlotCount - 1);
  __builtin_prefetch(file_ + layout_.pairSlots + kModelPairSlotBytes * static_cast<size_t>(slot));
}

void LanguageModel::SetFile(std::u16string path) {
  path_ = std::move(path);
  tried_ = false;
  view_.reset();
  file_ = {};
  fault_.clear();
}

const LanguageModelView* LanguageModel::View() {
  if (tried_) return view_ ? &*view_ : nullptr;
  tried_ = true;
  file_ = platform::MapReadOnlyFile(path_, mappingName_);
  if (!file_) {
    fault_ = "the file cannot be mapped";
    return nullptr;
  }
  if (std::optional<ModelLayout> layout = LocateModelFile({file_.data(), file_.size()}, fault_)) {
    view_.emplace(file_.data(), *layout);
    return &*view_;
  }
  const std::string line = "KellavorIme: " + platform::Utf16ToUtf8(path_) + " is not used: " + fault_ + "\n";
  platform::OutputDebugLine(line.c_str());
  file_ = {};
  return nullptr;
}

}  // namespace kellavor::lexicon
