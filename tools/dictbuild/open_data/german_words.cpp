#include "tools/dictbuild/open_data/german_words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "ime/platform/utf.h"
#include "tools/dictbuild/open_data/english_sense.h"
#include "tools/dictbuild/open_data/german_text.h"

namespace kellavor::dictbuild {
namespace {

// Endings of inflected German forms, shortest first, so that a form counts for the nearest
// headword (Häusern for Häuser, not Haus).
constexpr std::array<std::u16string_view, 10> kEndings = {u"e", u"n", u"s", u"t", u"en", u"er", u"es", u"em", u"st", u"et"};
constexpr size_t kShortestStem = 3;
// A lower-case form of two letters or more that is no headword becomes a word of its own when the
// dictionaries' German text holds it at least kLeastTextOccurrences times, more than
// kGermanOverEnglish times as often as their English text (which keeps out the, of, root), and
// the documents use it at least kLeastUses times (ist, hat, heißt, which Ding lists under their
// infinitives only).
constexpr uint32_t kLeastTextOccurrences = 3;
constexpr uint32_t kGermanOverEnglish = 4;
constexpr double kLeastUses = 10;
// Frequencies are rates per million words, kept to this many hundredths.
constexpr double kRateScale = 100;

// Whether the words of sense occur together in text, a normalised English text with a space
// before and after every word.
bool HoldsWords(std::string_view text, std::string_view sense) {
  for (size_t at = text.find(sense); at != std::string_view::npos; at = text.find(sense, at + 1)) {
    const size_t end = at + sense.size();
    if (at > 0 && text[at - 1] == ' ' && end < text.size() && text[end] == ' ') return true;
  }
  return false;
}

bool IsUpper(char16_t c) { return (c >= u'A' && c <= u'Z') || c == u'Ä' || c == u'Ö' || c == u'Ü'; }
bool IsLower(char16_t c) { return (c >= u'a' && c <= u'z') || c == u'ä' || c == u'ö' || c == u'ü' || c == u'ß'; }

char16_t Lowered(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
  if (c == u'Ä') return u'ä';
  if (c == u'Ö') return u'ö';
  if (c == u'Ü') return u'ü';
  return c;
}

// A heading or an abbreviation: two or more letters, none of them lower case.
bool IsInCapitals(std::u16string_view word) {
  return word.size() > 1 && std::none_of(word.begin(), word.end(), IsLower);
}

}  // namespace

void GermanWordCollector::AddHeadword(std::u16string_view word,
                                      const std::vector<std::string_view>& senses, bool adjective) {
  const auto [found, added] = positions_.try_emplace(std::u16string(word), words_.size());
  if (added) words_.push_back(GermanWord{std::u16string(word), 0, {}, 0, 0, false});
  words_[found->second].adjective = words_[found->second].adjective || adjective;
  std::vector<WeightedSense>& known = words_[found->second].senses;
  for (const std::string_view written : senses) {
    std::string sense = NormaliseSense(written);
    if (sense.empty()) continue;
    const bool seen = std::any_of(known.begin(), known.end(),
                                  [&](const WeightedSense& s) { return s.sense == sense; });
    if (!seen) known.push_back(WeightedSense{std::move(sense), IsVerbalSense(written), 0, IsProperSense(written)});
  }
}

bool GermanWordCollector::Knows(std::u16string_view word) const {
  return positions_.count(std::u16string(word)) != 0;
}

void GermanWordCollector::AddText(std::string_view german, std::string_view english) {
  const std::string normalised = NormaliseEnglishText(english);
  for (size_t start = 1; start < normalised.size();) {
    const size_t end = normalised.find(' ', start);
    ++englishWords_[normalised.substr(start, end - start)];
    start = end + 1;
  }
  std::vector<size_t> present;
  bool first = true;
  for (std::u16string& token : GermanWords(german)) {
    const auto found = positions_.find(token);
    if (found == positions_.end()) {
      if (IsLower(token[0])) ++unlisted_[std::move(token)];
      continue;
    }
    ++occurrenceTotal_;
    present.push_back(found->second);
    // A capitalised first word (an example sentence's "Ich", "Es") is shared out like a sentence
    // start of running text.
    if (std::exchange(first, false) && IsUpper(token[0])) {
      ++occurrenceStarts_[std::move(token)];
    } else {
      ++words_[found->second].occurrences;
    }
  }
  if (present.empty()) return;
  std::sort(present.begin(), present.end());
  present.erase(std::unique(present.begin(), present.end()), present.end());
  for (const size_t position : present) {
    for (WeightedSense& sense : words_[position].senses) {
      if (HoldsWords(normalised, sense.sense)) ++sense.weight;
    }
  }
}

std::ptrdiff_t GermanWordCollector::UsedHeadword(const std::u16string& written) const {
  if (const auto found = positions_.find(written); found != positions_.end()) {
    return static_cast<std::ptrdiff_t>(found->second);
  }
  for (const std::u16string_view ending : kEndings) {
    if (written.size() < kShortestStem + ending.size() || !written.ends_with(ending)) continue;
    const auto found = positions_.find(written.substr(0, written.size() - ending.size()));
    if (found != positions_.end()) return static_cast<std::ptrdiff_t>(found->second);
  }
  return -1;
}

void GermanWordCollector::AddUsageText(std::string_view text) {
  for (RunningWord& token : RunningTextWords(text)) {
    if (IsInCapitals(token.word)) continue;
    ++usedWords_;
    if (token.sentenceStart && IsUpper(token.word[0])) {
      ++sentenceStarts_[std::move(token.word)];
      continue;
    }
    if (IsLower(token.word[0]) && !positions_.contains(token.word)) Promote(token.word);
    if (const std::ptrdiff_t position = UsedHeadword(token.word); position >= 0) ++words_[position].uses;
  }
}

void GermanWordCollector::Promote(const std::u16string& form) {
  const auto found = unlisted_.find(form);
  if (form.size() < 2 || found == unlisted_.end() || found->second < kLeastTextOccurrences) return;
  const auto english = englishWords_.find(platform::Utf16ToUtf8(form));
  if (english != englishWords_.end() && found->second <= kGermanOverEnglish * english->second) return;
  positions_.emplace(form, words_.size());
  words_.push_back(GermanWord{form, 0, {}, static_cast<double>(found->second), 0, true});
  unlisted_.erase(found);
}

void GermanWordCollector::ShareSentenceStarts(std::unordered_map<std::u16string, uint32_t>& starts,
                                              double GermanWord::*count) {
  std::vector<double> inside(words_.size());
  for (size_t i = 0; i < words_.size(); ++i) inside[i] = words_[i].*count;
  for (const auto& [capitalised, met] : starts) {
    std::u16string lower = capitalised;
    lower[0] = Lowered(lower[0]);
    const std::ptrdiff_t upperWord = UsedHeadword(capitalised);
    const std::ptrdiff_t lowerWord = UsedHeadword(lower);
    if (upperWord < 0 && lowerWord < 0) continue;
    if (upperWord < 0 || lowerWord < 0 || upperWord == lowerWord) {
      words_[upperWord < 0 ? lowerWord : upperWord].*count += met;
      continue;
    }
    const double upperInside = inside[upperWord];
    const double lowerInside = inside[lowerWord];
    const double upperShare = upperInside + lowerInside > 0 ? upperInside / (upperInside + lowerInside) : 0.5;
    words_[upperWord].*count += met * upperShare;
    words_[lowerWord].*count += met * (1 - upperShare);
  }
  starts.clear();
}

std::vector<GermanWord> GermanWordCollector::TakeWords() {
  ShareSentenceStarts(sentenceStarts_, &GermanWord::uses);
  ShareSentenceStarts(occurrenceStarts_, &GermanWord::occurrences);
  std::erase_if(words_, [](const GermanWord& word) { return word.fromText && word.uses < kLeastUses; });
  unlisted_.clear();
  englishWords_.clear();
  const double perOccurrence = occurrenceTotal_ == 0 ? 0 : 1e6 / static_cast<double>(occurrenceTotal_);
  const double perUse = usedWords_ == 0 ? 0 : 1e6 / static_cast<double>(usedWords_);
  for (GermanWord& word : words_) {
    if (usedWords_ == 0) {
      word.frequency = std::max<uint32_t>(static_cast<uint32_t>(std::lround(word.occurrences)), 1);
    } else {
      const double rate = kUseWeight * word.uses * perUse + word.occurrences * perOccurrence;
      word.frequency = std::max<uint32_t>(static_cast<uint32_t>(std::lround(kRateScale * rate)), 1);
    }
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
