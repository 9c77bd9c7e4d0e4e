#include "ime/lexicon/sentence_search.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/language_model_format.h"
#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/syllable_item.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

constexpr uint8_t kSentenceClassMask = 1;
constexpr int32_t kSyllableListCapacity = 10;
constexpr int32_t kFoundCapacity = 2000;
// Words kept for each stretch of letters, the cheapest on their own first.
constexpr size_t kWordsPerStretch = 10;
// Words kept at each letter position as the ends of partial sentences.
constexpr size_t kBeam = 8;

constexpr int32_t Nats(double nats) { return static_cast<int32_t>(nats * kCostScale); }
// A character found through a fuzzy sound, per step of the lookup.
constexpr int32_t kFuzzyStepCost = Nats(3.0);
// The rarer readings of a character: twice the log ratio of the stored (square-rooted) frequencies,
// at most this much.
constexpr int32_t kRareReadingCostLimit = Nats(9.0);
// A system word the model does not know, per character.
constexpr int32_t kUnknownWordCost = Nats(11.0);
// A learned entry the model does not know (a sentence the user composed, a new word), whatever its
// length: the user chose it for these sounds before.
constexpr int32_t kUnknownLearnedCost = Nats(9.0);
// Learned entries the model knows are cheaper by this much.
constexpr int32_t kLearnedBonus = Nats(3.0);

// The cost of the reading of a character against its most frequent reading: the records of one
// character lie side by side in the table.
int32_t ReadingCost(const SystemDictionaries& dictionaries, const CharRecord* record) {
  const CharRecord* first = dictionaries.CharRecordAt(0);
  if (first == nullptr || record < first) return 0;
  const auto at = static_cast<uint32_t>(record - first);
  if (at >= dictionaries.CharRecordCount()) return 0;
  uint16_t most = record->frequency();
  for (uint32_t k = at; k-- > 0;) {
    const CharRecord* other = dictionaries.CharRecordAt(k);
    if (other->character() != record->character()) break;
    most = std::max(most, other->frequency());
  }
  for (uint32_t k = at + 1; k < dictionaries.CharRecordCount(); ++k) {
    const CharRecord* other = dictionaries.CharRecordAt(k);
    if (other->character() != record->character()) break;
    most = std::max(most, other->frequency());
  }
  if (most == record->frequency()) return 0;
  if (record->frequency() == 0) return kRareReadingCostLimit;
  const double ratio = static_cast<double>(most) / record->frequency();
  return std::min(kRareReadingCostLimit, Nats(2.0 * std::log(ratio)));
}

bool IsLearned(const Candidate& candidate) { return candidate.kind == kUs; }

// The edge of a candidate found at letter start, its cost on its own (for choosing among the words
// of one stretch) in standalone.
LatticeEdge MakeEdge(const Lexicon& lexicon, const LanguageModelView& model, const Candidate& candidate,
                     uint16_t start, int32_t& standalone) {
  char16_t scratch[2];
  const std::u16string_view text = CandidateTextView(candidate, scratch);
  LatticeEdge edge;
  edge.start = start;
  edge.end = static_cast<uint16_t>(start + candidate.consumed);
  const std::optional<uint32_t> word = model.Word(text);
  if (word) {
    edge.word = *word;
    if (candidate.kind == kSi) {
      edge.cost = ReadingCost(lexicon.Dictionaries(), static_cast<const CharRecord*>(candidate.entry));
    }
    if ((candidate.kind == kSi || (IsLearned(candidate) && text.size() <= 2)) && candidate.extent > 1) {
      edge.cost += kFuzzyStepCost * (candidate.extent - 1);
    }
    if (IsLearned(candidate)) edge.cost -= kLearnedBonus;
    standalone = edge.cost + model.UnigramCost(*word);
  } else {
    edge.cost = IsLearned(candidate) ? kUnknownLearnedCost : kUnknownWordCost * static_cast<int32_t>(text.size());
    standalone = edge.cost;
  }
  return edge;
}

// Adds the words found at one position: those that fit the typed syllables (a phrase longer than
// the syllables left would complete the input, not convert it), the cheapest of each stretch.
void AddWords(const Lexicon& lexicon, const LanguageModelView& model, std::span<const Candidate> found,
              size_t syllablesLeft, uint16_t start, SentenceScratch& scratch) {
  struct Scored {
    LatticeEdge edge;
    int32_t standalone;
    Candidate candidate;
  };
  std::vector<Scored> words;
  words.reserve(found.size());
  for (const Candidate& candidate : found) {
    if (candidate.consumed == 0 || lexicon.SyllableCodes(candidate, {}) > syllablesLeft) continue;
    Scored scored{};
    scored.edge = MakeEdge(lexicon, model, candidate, start, scored.standalone);
    scored.candidate = candidate;
    words.push_back(scored);
  }
  std::stable_sort(words.begin(), words.end(), [](const Scored& a, const Scored& b) {
    return a.edge.end != b.edge.end ? a.edge.end < b.edge.end : a.standalone < b.standalone;
  });
  size_t kept = 0;
  for (size_t k = 0; k < words.size(); ++k) {
    kept = k > 0 && words[k].edge.end == words[k - 1].edge.end ? kept + 1 : 0;
    if (kept >= kWordsPerStretch) continue;
    // The alternative reading finds again the words of the stretches it shares with the main one.
    bool known = false;
    for (size_t e = 0; e < scratch.edges.size() && !known; ++e) {
      known = scratch.edges[e].start == start && scratch.pieces[e].entry == words[k].candidate.entry &&
              scratch.edges[e].end == words[k].edge.end;
    }
    if (known) continue;
    scratch.edges.push_back(words[k].edge);
    scratch.pieces.push_back(words[k].candidate);
  }
}

// The words of every position of one reading of the letters.
void AddReading(Lexicon& lexicon, const LanguageModelView& model, std::span<const SyllableItem> syllables,
                bool withUser, SentenceScratch& scratch) {
  uint16_t start = 0;
  for (size_t i = 0; i < syllables.size(); ++i) {
    const std::span<const SyllableItem> rest = syllables.subspan(i);
    EmptyList(scratch.found);
    lexicon.PhraseSearch(rest, scratch.found, kSentenceClassMask);
    lexicon.UserPhraseSearch(rest, scratch.found, kSentenceClassMask, withUser);
    lexicon.CharSearch(rest[0], scratch.found, kSentenceClassMask);
    if (withUser) lexicon.UserCharSearch(rest[0], scratch.found, kSentenceClassMask);
    AddWords(lexicon, model, Records<Candidate>(scratch.found), rest.size(), start, scratch);
    start = static_cast<uint16_t>(start + rest[0].length);
  }
}

}  // namespace

SentenceScratch::SentenceScratch()
    : main(sizeof(SyllableItem), kSyllableListCapacity),
      alternative(sizeof(SyllableItem), kSyllableListCapacity),
      found(sizeof(Candidate), kFoundCapacity) {}

std::vector<Candidate> FindBestSentence(Lexicon& lexicon, const LanguageModelView& model, std::u16string_view text,
                                        bool withUser, SentenceScratch& scratch) {
  scratch.edges.clear();
  scratch.pieces.clear();
  lexicon.SplitSyllables(text, scratch.main, scratch.alternative);
  AddReading(lexicon, model, Records<SyllableItem>(scratch.main), withUser, scratch);
  AddReading(lexicon, model, Records<SyllableItem>(scratch.alternative), withUser, scratch);

  const PairCost pairCost = [&](uint32_t previous, uint32_t word) { return model.Cost(previous, word); };
  const std::vector<uint32_t> path =
      BestSentencePath(scratch.edges, text.size(), LanguageModelView::kBoundary, pairCost, kBeam);
  std::vector<Candidate> sentence;
  sentence.reserve(path.size());
  for (const uint32_t e : path) sentence.push_back(scratch.pieces[e]);
  return sentence;
}

}  // namespace kellavor::lexicon
