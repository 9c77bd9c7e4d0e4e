// The word language model of the sentence search ("data_lm.bin"), mapped as a shared read-only
// view the first time a sentence is assembled, so that starting the module does not pay for it.
//
// Nothing in the file is trusted. When it is mapped the header, the magic number and the bounds of
// every table are checked; a fault leaves the model absent, exactly as a missing file does, and the
// sentence is then assembled greedily. Entries are checked as they are read: a word number outside
// the word table or a text outside the pool reads as an unknown word, never past the view.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ime/lexicon/language_model_format.h"
#include "ime/platform/file_mapping.h"

namespace kellavor::lexicon {

struct ModelLayout {
  uint32_t words = 0;
  uint32_t wordTable = 0;
  uint32_t textPool = 0;
  uint32_t textPoolBytes = 0;
  uint32_t textSlots = 0;
  uint32_t textSlotCount = 0;
  uint32_t textProbes = 0;
  uint32_t pairSlots = 0;
  uint32_t pairSlotCount = 0;
  uint32_t pairProbes = 0;
  uint32_t longestWord = 0;
  uint32_t pairFilter = 0;
  uint32_t pairFilterBlocks = 0;  // 0: the file has no filter
};

// The layout when the header and every table lie inside the file; otherwise none, with the reason.
std::optional<ModelLayout> LocateModelFile(std::span<const uint8_t> file, std::string& fault);

// Lookups in a located model. Costs in units of 1/kCostScale of a natural logarithm.
class LanguageModelView {
 public:
  static constexpr uint32_t kBoundary = 0;

  LanguageModelView(const uint8_t* file, const ModelLayout& layout) : file_(file), layout_(layout) {}

  // The word number of a text; none for a text the model does not know.
  std::optional<uint32_t> Word(std::u16string_view text) const;
  // Loads what Word reads for each of the texts (its slot of the text table, then the word's entry,
  // then its text) a stage for all texts at a time, so that their loads overlap: a search about
  // to look up many texts waits for one after the other otherwise.
  void PrefetchWords(std::span<const std::u16string_view> texts) const;
  int32_t UnigramCost(uint32_t word) const;
  // The cost of word after previous: the stored pair, or the back-off of previous plus the unigram.
  // pairHash: ModelPairHash(previous, word), for a caller that has it already.
  int32_t Cost(uint32_t previous, uint32_t word) const { return Cost(previous, word, ModelPairHash(previous, word)); }
  int32_t Cost(uint32_t previous, uint32_t word, uint32_t pairHash) const;
  // Starts loading what Cost(previous, word) reads, without waiting for it: the tables are far
  // larger than the processor's caches, and a search asking for many pairs in a row waits for
  // each lookup's memory otherwise.
  void PrefetchCost(uint32_t previous, uint32_t word, uint32_t pairHash) const;
  // Characters of the longest word the model knows.
  uint32_t LongestWord() const { return layout_.longestWord; }

 private:
  std::u16string_view Text(uint32_t word) const;
  const uint8_t* WordEntry(uint32_t word) const;
  // The pair's block of the filter; null when the file has none.
  const uint8_t* FilterBlock(uint32_t pairHash) const;
  // False when the filter tells the pair is not stored.
  bool MayBeStored(uint32_t pairHash) const;

  const uint8_t* file_;
  ModelLayout layout_;
};

class LanguageModel {
 public:
  explicit LanguageModel(std::u16string mappingName) : mappingName_(std::move(mappingName)) {}

  // Forgets any view; the file is mapped by the next View().
  void SetFile(std::u16string path);
  // The model, mapped and checked on the first call; null when the file is missing or rejected.
  const LanguageModelView* View();
  // Why the model is absent; empty when it is present or not mapped yet.
  const std::string& Fault() const { return fault_; }

 private:
  std::u16string mappingName_;
  std::u16string path_;
  bool tried_ = false;
  platform::MappedFile file_;
  std::optional<LanguageModelView> view_;
  std::string fault_;
};

}  // namespace kellavor::lexicon
