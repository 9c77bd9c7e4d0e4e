// A LexiconPort over a small table written by the test: for each search key the candidates it
// offers, in order. It records what the engine learned and counts the pages it described. Syllable
// codes here are the letter counts of the syllables, so that the formatted reading of "zhongguo"
// with codes {5, 3} is "zhong'guo'".
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ime/lexicon/lexicon_port.h"

namespace kellavor {

struct FakeEntry {
  FakeEntry() = default;
  FakeEntry(std::u16string text_, uint8_t consumed_ = 0, std::vector<uint16_t> codes_ = {},
            std::u16string explanation_ = {})
      : text(std::move(text_)), consumed(consumed_), codes(std::move(codes_)), explanation(std::move(explanation_)) {}

  std::u16string text;
  uint8_t consumed = 0;
  std::vector<uint16_t> codes;
  std::u16string explanation;
};

class FakeLexicon : public lexicon::LexiconPort {
 public:
  // The candidates every search for key finds, pinyin and German alike.
  void Offer(const std::u16string& key, std::vector<FakeEntry> entries) { table_[key] = std::move(entries); }
  void OfferCustom(const std::u16string& key, std::vector<FakeEntry> entries) { custom_[key] = std::move(entries); }
  // Candidates for every key the table does not hold; each search keeps its own entries.
  std::function<std::vector<FakeEntry>(std::u16string_view key)> fallback;

  std::vector<std::u16string> searches;
  std::vector<std::u16string> learnedCandidates;
  std::vector<std::pair<std::u16string, std::vector<uint16_t>>> learnedPhrases;
  std::vector<std::u16string> learnedWords;
  int pagesDescribed = 0;

  int32_t SearchPinyin(std::u16string_view key, base::GrowArray& candidates, uint16_t, bool) override {
    return Append(table_, key, candidates);
  }
  int32_t SearchGerman(std::u16string_view key, base::GrowArray& candidates) override {
    return Append(table_, key, candidates);
  }
  int32_t SearchCustomPhrases(std::u16string_view key, base::GrowArray& candidates) override {
    const auto found = custom_.find(std::u16string(key));
    if (found == custom_.end()) return candidates.count();
    for (const FakeEntry& entry : found->second) Add(entry, candidates);
    return candidates.count();
  }

  void DescribePage(std::span<const lexicon::Candidate> page, lexicon::SearchLanguage language,
                    std::u16string_view readingLetters, lexicon::PageDescription& out) override {
    ++pagesDescribed;
    const bool pinyin = language == lexicon::SearchLanguage::kPinyin;
    out.entries.resize(page.size());
    for (size_t i = 0; i < page.size(); ++i) {
      const FakeEntry& entry = Entry(page[i]);
      lexicon::PageEntry& described = out.entries[i];
      described.item = {};
      if (entry.text.size() == 1) {
        described.item.units[0] = entry.text[0];
      } else {
        described.item.kind = lexicon::candidate_item_kind::kString;
        described.item.text = entry.text.c_str();
      }
      described.text = entry.text;
      described.explanation = pinyin ? std::u16string_view() : std::u16string_view(entry.explanation);
      described.codes = pinyin ? entry.codes : std::vector<uint16_t>();
    }
    out.reading.clear();
    out.separators = pinyin && !page.empty() ? FormatReading(out.entries[0].codes, readingLetters, out.reading) : 0;
  }

  void LearnCandidate(const lexicon::Candidate& candidate) override { learnedCandidates.push_back(Entry(candidate).text); }
  void LearnPhrase(std::u16string_view text, std::span<const uint16_t> codes) override {
    learnedPhrases.emplace_back(std::u16string(text), std::vector<uint16_t>(codes.begin(), codes.end()));
  }
  void LearnWord(std::u16string_view word) override { learnedWords.emplace_back(word); }

 private:
  using Table = std::map<std::u16string, std::vector<FakeEntry>>;

  static const FakeEntry& Entry(const lexicon::Candidate& candidate) {
    return *static_cast<const FakeEntry*>(candidate.entry);
  }

  static size_t FormatReading(std::span<const uint16_t> codes, std::u16string_view letters, std::u16string& out) {
    size_t separators = 0;
    for (uint16_t length : codes) {
      if (letters.empty()) break;
      const size_t taken = std::min<size_t>(length, letters.size());
      out.append(letters.substr(0, taken));
      out += u'\'';
      ++separators;
      letters.remove_prefix(taken);
    }
    return separators;
  }

  int32_t Append(const Table& table, std::u16string_view key, base::GrowArray& candidates) {
    searches.emplace_back(key);
    const auto found = table.find(std::u16string(key));
    if (found != table.end()) {
      for (const FakeEntry& entry : found->second) Add(entry, candidates);
    } else if (fallback) {
      for (FakeEntry& entry : fallback(key)) Add(generated_.emplace_back(std::move(entry)), candidates);
    }
    return candidates.count();
  }

  static void Add(const FakeEntry& entry, base::GrowArray& candidates) {
    const lexicon::Candidate candidate = lexicon::MakeCandidate(lexicon::candidate_kind::kPh, 0, entry.consumed, &entry);
    candidates.InsertAt(&candidate, 1, candidates.count());
  }

  Table table_;
  Table custom_;
  std::deque<FakeEntry> generated_;  // a deque keeps the addresses the candidates point to
};

}  // namespace kellavor
