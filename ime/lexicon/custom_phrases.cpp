#include "ime/lexicon/custom_phrases.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "ime/base/sort_records.h"
#include "ime/base/sorted_search.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/custom_ini.h"
#include "ime/lexicon/date_templates.h"
#include "ime/lexicon/remove_same_candidate.h"
#include "ime/platform/file_system.h"

namespace kellavor::lexicon {
namespace {

constexpr int32_t kPhrasesCapacity = 100;
constexpr int32_t kExpansionsCapacity = 5;
constexpr auto kPhraseSize = static_cast<int16_t>(sizeof(CustomPhrase));
constexpr auto kExpansionSize = static_cast<int16_t>(sizeof(char16_t*));

// A zero-terminated copy in storage of its own, freed with std::free; null when memory runs out.
char16_t* CopyText(std::u16string_view text) {
  auto* copy = static_cast<char16_t*>(std::malloc((text.size() + 1) * sizeof(char16_t)));
  if (copy == nullptr) return nullptr;
  std::memcpy(copy, text.data(), text.size() * sizeof(char16_t));
  copy[text.size()] = u'\0';
  return copy;
}

void FreeText(const char16_t* text) { std::free(const_cast<char16_t*>(text)); }

int ComparePhraseKeys(const void* a, const void* b, void*) { return base::CompareRecordNames(a, b); }

void FreePhraseTexts(base::GrowArray& phrases) {
  for (int32_t i = 0; i < phrases.count(); ++i) {
    const CustomPhrase& phrase = phrases.At<CustomPhrase>(i);
    FreeText(phrase.key);
    FreeText(phrase.text);
  }
}

void FreeExpansionTexts(base::GrowArray& expansions) {
  for (int32_t i = 0; i < expansions.count(); ++i) FreeText(expansions.At<char16_t*>(i));
}

}  // namespace

CustomPhrases::CustomPhrases(LocalTimeSource clock)
    : phrases_(kPhraseSize, 0),
      expansions_(kExpansionSize, 0),
      clock_(clock ? std::move(clock) : LocalTimeSource(platform::GetLocalTime)) {}

CustomPhrases::~CustomPhrases() { DestroyCustomPhrases(); }

void CustomPhrases::InitCustomPhrases(std::u16string_view path, bool usecustom) {
  DestroyCustomPhrases();
  phrases_.Init(kPhraseSize, kPhrasesCapacity);
  expansions_.Init(kExpansionSize, kExpansionsCapacity);
  path_ = path;
  if (!path_.empty()) LoadCustomPhrases(usecustom);
}

void CustomPhrases::LoadCustomPhrases(bool usecustom) {
  if (!usecustom) return;
  const std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(path_, kMaxCustomIniBytes);
  if (!bytes) return;
  try {
    const std::vector<CustomIniEntry> entries =
        ParseCustomIni(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    // Room for the whole file at once, instead of one step of records at a time.
    const int64_t needed = static_cast<int64_t>(phrases_.count()) + static_cast<int64_t>(entries.size());
    if (needed > phrases_.capacity() && needed <= std::numeric_limits<int32_t>::max()) phrases_.SetCapacity(static_cast<int32_t>(needed));
    for (const CustomIniEntry& entry : entries) AddPhrase(entry.key, entry.text, entry.position);
  } catch (const std::bad_alloc&) {
    // What was added before memory ran out stays; it is sorted below like a complete file.
  }
  base::SortRecords(phrases_.data(), phrases_.count(), kPhraseSize, ComparePhraseKeys, nullptr);
}

void CustomPhrases::AddPhrase(std::u16string_view key, std::u16string_view text, int32_t position) {
  CustomPhrase phrase{CopyText(key), CopyText(text), position};
  if (phrase.key == nullptr || phrase.text == nullptr ||
      phrases_.InsertAt(&phrase, 1, phrases_.count()) != base::kResultOk) {
    FreeText(phrase.key);
    FreeText(phrase.text);
  }
}

void CustomPhrases::ClearCustomPhrases() {
  FreePhraseTexts(phrases_);
  phrases_.Init(kPhraseSize, kPhrasesCapacity);
}

void CustomPhrases::FreeExpansions() {
  FreeExpansionTexts(expansions_);
  expansions_.Init(kExpansionSize, kExpansionsCapacity);
}

const char16_t* CustomPhrases::KeepExpansion(std::u16string_view text) {
  char16_t* copy = CopyText(text);
  if (copy == nullptr) return nullptr;
  if (expansions_.InsertAt(&copy, 1, expansions_.count()) != base::kResultOk) {
    FreeText(copy);
    return nullptr;
  }
  return copy;
}

void CustomPhrases::DestroyCustomPhrases() {
  FreePhraseTexts(phrases_);
  FreeExpansionTexts(expansions_);
  path_.clear();
  path_.shrink_to_fit();
  phrases_.Init(kPhraseSize, 0);
  expansions_.Init(kExpansionSize, 0);
}

int32_t CustomPhrases::Search(const char16_t* typed, base::GrowArray& candidates) {
  FreeExpansions();
  if (candidates.recordSize() != static_cast<int16_t>(sizeof(Candidate))) return candidates.count();
  const void* first = nullptr;
  const void* last = nullptr;
  if (!base::EqualRange(phrases_.data(), phrases_.count(), kPhraseSize, base::CompareKeyToRecordName, typed,
                        nullptr, first, last)) {
    return candidates.count();
  }
  const DateTemplateValues values = ComputeDateTemplateValues(clock_());
  for (const auto* phrase = static_cast<const CustomPhrase*>(first); phrase != last; ++phrase) {
    const std::u16string_view text(phrase->text);
    const char16_t* shown = phrase->text;
    if (text.find(u'@') != std::u16string_view::npos) {
      try {
        shown = KeepExpansion(ExpandDateTemplates(text, values));
      } catch (const std::bad_alloc&) {
        shown = nullptr;
      }
      if (shown == nullptr) continue;
    } else {
      RemoveSameCandidate(candidates, text);
    }
    const Candidate candidate = MakeCandidate(candidate_kind::kSs, 0, 0, shown);
    candidates.InsertAt(&candidate, 1, std::min(phrase->position, candidates.count()));
  }
  return candidates.count();
}

}  // namespace kellavor::lexicon
