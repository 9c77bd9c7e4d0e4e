#include "tools/dictbuild/open_data/german_words.h"

#include <algorithm>

#include "tools/dictbuild/open_data/english_sense.h"
#include "tools/dictbuild/open_data/german_text.h"

namespace kellavor::dictbuild {
namespace {

// Whether the words of sense occur together in text, a normalised English text with a space
// before and after every word.
bool HoldsWords(std::string_view text, std::string_view sense) {
  for (size_t at = text.find(sense); at != std::string_view::npos; at = text.find(sense, at + 1)) {
    const size_t end = at + sense.size();
    if (at > 0 && text[at - 1] == ' ' && end < text.size() && text[end] == ' ') return true;
  }
  return false;
}

}  // namespace

void GermanWordCollector::AddHeadword(std::u16string_view word,
                                      const std::vector<std::string_view>& senses) {
  const auto [found, added] = positions_.try_emplace(std::u16string(word), words_.size());
  if (added) words_.push_back(GermanWord{std::u16string(word), 0, {}});
  std::vector<WeightedSense>& known = words_[found->second].senses;
  for (const std::string_view written : senses) {
    std::string sense = NormaliseSense(written);
    if (sense.empty()) continue;
    const bool seen = std::any_of(known.begin(), known.end(),
                                  [&](const WeightedSense& s) { return s.sense == sense; });
    if (!seen) known.push_back(WeightedSense{std::move(sense), IsVerbalSense(written), 0});
  }
}

bool GermanWordCollector::Knows(std::u16string_view word) const {
  return positions_.count(std::u16string(word)) != 0;
}

void GermanWordCollector::AddText(std::string_view german, std::string_view english) {
  std::vector<size_t> present;
  for (const std::u16string& token : GermanWords(german)) {
    const auto found = positions_.find(token);
    if (found == positions_.end()) continue;
    ++words_[found->second].frequency;
    present.push_back(found->second);
  }
  if (present.empty()) return;
  std::sort(present.begin(), present.end());
  present.erase(std::unique(present.begin(), present.end()), present.end());
  const std::string normalised = NormaliseEnglishText(english);
  for (const size_t position : present) {
    for (WeightedSense& sense : words_[position].senses) {
      if (HoldsWords(normalised, sense.sense)) ++sense.weight;
    }
  }
}

std::vector<GermanWord> GermanWordCollector::TakeWords() {
  for (GermanWord& word : words_) {
    word.frequency = std::max<uint32_t>(word.frequency, 1);
    std::stable_sort(word.senses.begin(), word.senses.end(),
                     [](const WeightedSense& a, const WeightedSense& b) { return a.weight > b.weight; });
  }
  std::sort(words_.begin(), words_.end(), [](const GermanWord& a, const GermanWord& b) {
    return a.frequency != b.frequency ? a.frequency > b.frequency : a.word < b.word;
  });
  positions_.clear();
  std::vector<GermanWord> words = std::move(words_);
  words_.clear();
  return words;
}

}  // namespace kellavor::dictbuild
