#include "ime/lexicon/sentence_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <span>

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/language_model_format.h"
#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/phrase_record.h"
#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

constexpr uint8_t kSentenceClassMask = 1;
constexpr int32_t kSyllableListCapacity = 10;
constexpr int32_t kFoundCapacity = 2000;
// System words kept for each stretch of letters, the most frequent first; learned entries are
// always kept.
constexpr size_t kCharactersPerSyllable = 10;
constexpr size_t kPhrasesPerStretch = 8;
// Words kept at each letter position as the ends of partial sentences.
constexpr size_t kBeam = 4;
// Syllables whose characters are kept between searches.
constexpr size_t kKeptSyllables = 128;
// Pair costs remembered (a power of two).
constexpr size_t kKeptPairCosts = 8192;
// System phrases of the lattice have no more syllables than the longest word of the model (four
// for the shipped dictionary) and at most this many, so that the phrases of a position depend on
// no more typed syllables.
constexpr size_t kLongestLatticePhrase = 8;
// Positions whose phrases are kept between searches.
constexpr size_t kKeptStretches = 256;
// Edges of system words kept by their record (a power of two).
constexpr size_t kKeptEdges = 1024;

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

// The edge of a candidate, letters counted from where it starts.
LatticeEdge MakeEdge(const Lexicon& lexicon, const LanguageModelView& model, const Candidate& candidate) {
  char16_t scratch[2];
  const std::u16string_view text = CandidateTextView(candidate, scratch);
  const bool learned = candidate.kind == kUs;
  LatticeEdge edge;
  edge.end = candidate.consumed;
  const std::optional<uint32_t> word = model.Word(text);
  if (!word) {
    edge.cost = learned ? kUnknownLearnedCost : kUnknownWordCost * static_cast<int32_t>(text.size());
    return edge;
  }
  edge.word = *word;
  if (candidate.kind == kSi) {
    edge.cost = ReadingCost(lexicon.Dictionaries(), static_cast<const CharRecord*>(candidate.entry));
  }
  // Characters carry the step of the fuzzy lookup that found them.
  if ((candidate.kind == kSi || (learned && text.size() <= 2)) && candidate.extent > 1) {
    edge.cost += kFuzzyStepCost * (candidate.extent - 1);
  }
  if (learned) edge.cost -= kLearnedBonus;
  return edge;
}

// The dictionary frequency a system candidate is preselected by.
uint32_t Frequency(const Candidate& candidate) {
  if (candidate.kind == kSi) return static_cast<const CharRecord*>(candidate.entry)->frequency();
  return PhraseRecord(static_cast<const uint8_t*>(candidate.entry)).frequency();
}

// The place of a system candidate in the order the words of a stretch are chosen in: by the
// letters it covers, then (a character) exact lookups before fuzzy ones, then the more frequent.
// The candidates of one list are all characters or all phrases.
uint64_t PreferenceKey(const Candidate& candidate) {
  const uint64_t extent = candidate.kind == kSi ? candidate.extent : 0;
  return uint64_t{candidate.consumed} << 48 | extent << 40 | (0xFFFFFFFFu - Frequency(candidate));
}

// The edge of a system word depends on its record and, for a character, the step of the lookup
// that found it.
uint8_t KeptEdgeExtent(const Candidate& candidate) { return candidate.kind == kSi ? candidate.extent : 0; }

size_t KeptEdgeSlot(const Candidate& candidate) {
  const auto bits = reinterpret_cast<uintptr_t>(candidate.entry);
  return static_cast<size_t>((bits >> 3) * 0x9E3779B97F4A7C15ull >> 40) & (kKeptEdges - 1);
}

// Keeps the first `limit` system candidates of each stretch of found, in preference order (equal
// ones in the order found) as words. A new syllable's characters look up words the model has not
// been asked for lately, scattered over its tables: their lookups are started together.
void KeepSystemWords(const Lexicon& lexicon, const LanguageModelView& model, std::span<const Candidate> found,
                     size_t limit, std::vector<LatticeWord>& words, SentenceScratch& scratch) {
  std::vector<std::pair<uint64_t, uint32_t>>& order = scratch.order;
  order.clear();
  for (uint32_t k = 0; k < found.size(); ++k) order.emplace_back(PreferenceKey(found[k]), k);
  // No two entries are equal, so any sort gives this order. When every candidate covers the same
  // letters (the characters of a syllable, hundreds for a lone initial) only the first `limit`
  // are kept: they are chosen first, and only they are sorted.
  const bool oneStretch = std::all_of(found.begin(), found.end(),
                                      [&](const Candidate& c) { return c.consumed == found.front().consumed; });
  if (oneStretch) {
    const auto kept = order.begin() + static_cast<ptrdiff_t>(std::min(limit, order.size()));
    std::nth_element(order.begin(), kept, order.end());
    std::sort(order.begin(), kept);
    order.erase(kept, order.end());
  } else {
    std::sort(order.begin(), order.end());
  }
  // The first `limit` of each stretch, then the words in one allocation.
  size_t count = 0;
  size_t run = 0;
  for (size_t k = 0; k < order.size(); ++k) {
    const uint8_t consumed = found[order[k].second].consumed;
    run = k > 0 && consumed == found[order[count - 1].second].consumed ? run + 1 : 0;
    if (run < limit) order[count++] = order[k];
  }
  order.resize(count);
  const size_t first = words.size();
  words.reserve(first + count);
  for (const auto& [key, at] : order) words.push_back({found[at], {}});
  // The edges of records met lately are kept by record (the table made at the first sentence, not
  // when the module starts); the others are computed.
  if (scratch.edgesByRecord.empty()) scratch.edgesByRecord.resize(kKeptEdges);
  const std::span<LatticeWord> added = std::span(words).subspan(first);
  scratch.texts.clear();
  scratch.characters.resize(added.size());
  scratch.computed.clear();
  for (size_t k = 0; k < added.size(); ++k) {
    const Candidate& candidate = added[k].candidate;
    const KeptEdge& known = scratch.edgesByRecord[KeptEdgeSlot(candidate)];
    if (known.entry == candidate.entry && known.extent == KeptEdgeExtent(candidate)) {
      added[k].edge = {0, candidate.consumed, known.cost, known.word};
      continue;
    }
    scratch.computed.push_back(k);
    scratch.texts.push_back(CandidateTextView(candidate, scratch.characters[k].units));
  }
  model.PrefetchWords(scratch.texts);
  for (const size_t k : scratch.computed) {
    const Candidate& candidate = added[k].candidate;
    added[k].edge = MakeEdge(lexicon, model, candidate);
    scratch.edgesByRecord[KeptEdgeSlot(candidate)] = {candidate.entry, KeptEdgeExtent(candidate), added[k].edge.word,
                                                      added[k].edge.cost};
  }
}

// The slot of the table where a search for hash starts.
size_t FirstSlot(uint64_t hash, size_t slots) { return static_cast<size_t>(hash >> 32) & (slots - 1); }

template <typename Choice>
void AddSlot(KeptChoices<Choice>& kept, uint64_t hash, uint32_t place) {
  size_t slot = FirstSlot(hash, kept.slots.size());
  while (kept.slots[slot] != 0) slot = (slot + 1) & (kept.slots.size() - 1);
  kept.slots[slot] = place + 1;
}

// A full list of kept choices drops its older half: the newer one holds the syllables of the
// sentence being typed, searched again at the next key. The table is made again for the places
// left.
template <typename Choice>
void DropOlderHalf(KeptChoices<Choice>& kept) {
  const auto half = static_cast<ptrdiff_t>(kept.choices.size() / 2);
  std::move(kept.choices.begin(), kept.choices.begin() + half, std::back_inserter(kept.dropped));
  kept.choices.erase(kept.choices.begin(), kept.choices.begin() + half);
  kept.hashes.erase(kept.hashes.begin(), kept.hashes.begin() + half);
  std::fill(kept.slots.begin(), kept.slots.end(), 0);
  for (size_t k = 0; k < kept.hashes.size(); ++k) AddSlot(kept, kept.hashes[k], static_cast<uint32_t>(k));
}

// A new choice for hash, kept last; a full list drops its older half first. capacity is a power
// of two; the table has twice as many slots.
template <typename Choice>
Choice& KeepChoice(KeptChoices<Choice>& kept, uint64_t hash, size_t capacity) {
  if (kept.slots.empty()) kept.slots.resize(2 * capacity);
  if (kept.choices.size() >= capacity) DropOlderHalf(kept);
  AddSlot(kept, hash, static_cast<uint32_t>(kept.choices.size()));
  kept.hashes.push_back(hash);
  if (kept.dropped.empty()) return kept.choices.emplace_back();
  Choice& choice = kept.choices.emplace_back(std::move(kept.dropped.back()));
  kept.dropped.pop_back();
  choice.words.clear();
  return choice;
}

// FNV-1a over the letters, each syllable ended by a zero: a few letters, hashed at every position
// of every key.
uint64_t HashOf(std::span<const SyllableItem> syllables) {
  uint64_t hash = 14695981039346656037ull;
  for (const SyllableItem& syllable : syllables) {
    for (const char16_t letter : syllable.view()) hash = (hash ^ letter) * 1099511628211ull;
    hash *= 1099511628211ull;
  }
  return hash;
}

// The kept choice for a key of this hash that same accepts: the one at hint (where the same
// position found its choice at the last key), else the one the table holds (a key is kept once).
// hint is then where it was found.
template <typename Choice, typename Same>
const Choice* FindKept(const KeptChoices<Choice>& kept, uint64_t hash, size_t& hint, const Same& same) {
  if (hint < kept.choices.size() && kept.hashes[hint] == hash && same(kept.choices[hint])) {
    return &kept.choices[hint];
  }
  if (kept.slots.empty()) return nullptr;
  for (size_t slot = FirstSlot(hash, kept.slots.size()); kept.slots[slot] != 0;
       slot = (slot + 1) & (kept.slots.size() - 1)) {
    const size_t place = kept.slots[slot] - 1;
    if (kept.hashes[place] == hash && same(kept.choices[place])) {
      hint = place;
      return &kept.choices[place];
    }
  }
  return nullptr;
}

const std::vector<LatticeWord>& CharactersOf(Lexicon& lexicon, const LanguageModelView& model,
                                             const SyllableItem& syllable, size_t& hint, SentenceScratch& scratch) {
  const auto same = [&](const SyllableChoice& choice) { return choice.syllable.view() == syllable.view(); };
  const uint64_t hash = HashOf({&syllable, 1});
  if (const SyllableChoice* kept = FindKept(scratch.choices, hash, hint, same)) return kept->words;
  EmptyList(scratch.found);
  lexicon.CharSearch(syllable, scratch.found, kSentenceClassMask);
  SyllableChoice& choice = KeepChoice(scratch.choices, hash, kKeptSyllables);
  hint = scratch.choices.choices.size() - 1;
  choice.syllable = syllable;
  KeepSystemWords(lexicon, model, Records<Candidate>(scratch.found), kCharactersPerSyllable, choice.words, scratch);
  return choice.words;
}

// The typed syllables the phrases of a position depend on.
std::span<const SyllableItem> StretchKey(const LanguageModelView& model, std::span<const SyllableItem> rest) {
  const size_t longest = std::clamp<size_t>(model.LongestWord(), 2, kLongestLatticePhrase);
  return rest.first(std::min(rest.size(), longest));
}

bool SameSyllables(std::span<const SyllableItem> a, std::span<const SyllableItem> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const SyllableItem& x, const SyllableItem& y) { return x.view() == y.view(); });
}

// The system phrases of a position, the most frequent of each length that fit the syllables left
// (and kLongestLatticePhrase).
const std::vector<LatticeWord>& PhrasesAt(Lexicon& lexicon, const LanguageModelView& model,
                                          std::span<const SyllableItem> rest, size_t& hint,
                                          SentenceScratch& scratch) {
  const std::span<const SyllableItem> key = StretchKey(model, rest);
  const auto same = [&](const StretchChoice& choice) { return SameSyllables(key, choice.syllables); };
  const uint64_t hash = HashOf(key);
  if (const StretchChoice* kept = FindKept(scratch.stretches, hash, hint, same)) return kept->words;
  EmptyList(scratch.found);
  lexicon.PhraseSearch(key, scratch.found, kSentenceClassMask);
  std::span<Candidate> found = Records<Candidate>(scratch.found);
  const auto fitting = std::partition(found.begin(), found.end(), [&](const Candidate& c) {
    return c.consumed > 0 && lexicon.SyllableCodes(c, {}) <= key.size();
  });
  StretchChoice& choice = KeepChoice(scratch.stretches, hash, kKeptStretches);
  hint = scratch.stretches.choices.size() - 1;
  choice.syllables.assign(key.begin(), key.end());
  KeepSystemWords(lexicon, model, found.first(static_cast<size_t>(fitting - found.begin())), kPhrasesPerStretch,
                  choice.words, scratch);
  return choice.words;
}

using EdgeRange = SentenceScratch::EdgeRange;

// Places the words starting at start, but those of the main reading's edges in shared.
void Place(std::span<const LatticeWord> words, uint16_t start, EdgeRange shared, SentenceScratch& scratch) {
  const auto known = [&](const LatticeEdge& edge, const Candidate& candidate) {
    for (uint32_t e = shared.first; e < shared.last; ++e) {
      if (scratch.edges[e].end == edge.end && scratch.pieces[e].entry == candidate.entry) return true;
    }
    return false;
  };
  for (const LatticeWord& word : words) {
    LatticeEdge edge = word.edge;
    edge.start = start;
    edge.end = static_cast<uint16_t>(start + word.edge.end);
    if (shared.first < shared.last && known(edge, word.candidate)) continue;
    scratch.edges.push_back(edge);
    scratch.pieces.push_back(word.candidate);
  }
}

// The words of every position of one reading of the letters: those that fit the typed syllables
// (a phrase longer than the syllables left would complete the input, not convert it).
// The alternative reading's system words at a start where the main reading has the same syllable
// and the same syllables for phrases are the main reading's there: none is placed again.
void AddReading(Lexicon& lexicon, const LanguageModelView& model, std::span<const SyllableItem> syllables,
                bool withUser, std::span<const SyllableItem> mainSyllables, std::vector<EdgeRange>& shared, bool main,
                SentenceScratch& scratch) {
  SentenceScratch::Hints& hints = scratch.hints[main ? 0 : 1];
  if (hints.characters.size() < syllables.size()) {
    hints.characters.resize(syllables.size(), SIZE_MAX);
    hints.stretches.resize(syllables.size(), SIZE_MAX);
  }
  uint16_t start = 0;
  for (size_t i = 0; i < syllables.size(); ++i) {
    const std::span<const SyllableItem> rest = syllables.subspan(i);
    const EdgeRange known = main ? EdgeRange{} : shared[start];
    if (main) {
      shared[start].first = static_cast<uint32_t>(scratch.edges.size());
      shared[start].syllable = i;
    }
    const bool placed = known.syllable < mainSyllables.size() && mainSyllables[known.syllable].view() == rest[0].view() &&
                        SameSyllables(StretchKey(model, mainSyllables.subspan(known.syllable)), StretchKey(model, rest));
    if (!placed) {
      Place(CharactersOf(lexicon, model, rest[0], hints.characters[i], scratch), start, known, scratch);
      Place(PhrasesAt(lexicon, model, rest, hints.stretches[i], scratch), start, known, scratch);
    }

    const auto fits = [&](const Candidate& c) { return c.consumed > 0 && lexicon.SyllableCodes(c, {}) <= rest.size(); };
    scratch.words.clear();
    EmptyList(scratch.found);
    lexicon.UserPhraseSearch(rest, scratch.found, kSentenceClassMask, withUser);
    if (withUser) lexicon.UserCharSearch(rest[0], scratch.found, kSentenceClassMask);
    for (const Candidate& candidate : Records<Candidate>(scratch.found)) {
      if (fits(candidate)) scratch.words.push_back({candidate, MakeEdge(lexicon, model, candidate)});
    }
    Place(scratch.words, start, known, scratch);
    if (main) shared[start].last = static_cast<uint32_t>(scratch.edges.size());
    start = static_cast<uint16_t>(start + rest[0].length);
  }
}

}  // namespace

SentenceScratch::SentenceScratch()
    : main(sizeof(SyllableItem), kSyllableListCapacity),
      alternative(sizeof(SyllableItem), kSyllableListCapacity),
      found(sizeof(Candidate), 0) {}

void SentenceScratch::Reserve() {
  if (found.capacity() < kFoundCapacity) found.SetCapacity(kFoundCapacity);
  if (pairCosts.empty()) pairCosts.resize(kKeptPairCosts);
}

void SentenceScratch::Forget() {
  choices = {};
  stretches = {};
  for (Hints& reading : hints) reading = Hints{};
  std::fill(pairCosts.begin(), pairCosts.end(), PairCostEntry{});
  std::fill(edgesByRecord.begin(), edgesByRecord.end(), KeptEdge{});
  paths.Forget();
}

std::vector<Candidate> FindBestSentence(Lexicon& lexicon, const LanguageModelView& model, std::u16string_view text,
                                        bool withUser, bool reuse, SentenceScratch& scratch) {
  if (!reuse) scratch.Forget();
  scratch.Reserve();
  scratch.edges.clear();
  scratch.pieces.clear();
  lexicon.SplitSyllables(text, scratch.main, scratch.alternative);
  std::vector<EdgeRange>& shared = scratch.shared;
  shared.assign(text.size() + 1, EdgeRange{});
  const std::span<const SyllableItem> main = Records<SyllableItem>(scratch.main);
  AddReading(lexicon, model, main, withUser, {}, shared, true, scratch);
  AddReading(lexicon, model, Records<SyllableItem>(scratch.alternative), withUser, main, shared, false, scratch);

  // The pair's hash finds both its kept cost and its slot of the model.
  const auto keptCost = [&](uint32_t hash) -> PairCostEntry& { return scratch.pairCosts[hash & (kKeptPairCosts - 1)]; };
  const auto holds = [](const PairCostEntry& kept, uint32_t previous, uint32_t word) {
    return kept.previous == previous + 1 && kept.word == word;
  };
  const auto pairCost = [&](uint32_t previous, uint32_t word) {
    const uint32_t hash = ModelPairHash(previous, word);
    PairCostEntry& kept = keptCost(hash);
    if (!holds(kept, previous, word)) kept = {previous + 1, word, model.Cost(previous, word, hash)};
    return kept.cost;
  };
  const auto hint = [&](uint32_t previous, uint32_t word) {
    const uint32_t hash = ModelPairHash(previous, word);
    if (!holds(keptCost(hash), previous, word)) model.PrefetchCost(previous, word, hash);
  };
  const std::vector<uint32_t> path =
      scratch.paths.BestPath(scratch.edges, text.size(), LanguageModelView::kBoundary, pairCost, kBeam, hint);
  std::vector<Candidate> sentence;
  sentence.reserve(path.size());
  for (const uint32_t e : path) sentence.push_back(scratch.pieces[e]);
  return sentence;
}

}  // namespace kellavor::lexicon
