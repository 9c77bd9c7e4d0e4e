#include "ime/lexicon/lexicon.h"

#include <algorithm>
#include <utility>

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/candidate_view.h"
#include "ime/lexicon/reading_format.h"
#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/segmentation.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

// The sentence is assembled from the best candidates of the characters of class 1.
constexpr uint8_t kSentenceClassMask = 1;
constexpr int32_t kSentenceCandidateCapacity = 10000;
constexpr int32_t kSyllableListCapacity = 10;
// Room for the learned entries of a one-syllable input at a time (the list grows by as much).
constexpr int32_t kLearnedScratchCapacity = 64;

// The letters a search reads: up to the first zero unit, at most kMaxSegmentedLetters.
std::u16string_view TypedLetters(std::u16string_view text) {
  text = text.substr(0, text.find(u'\0'));
  return text.substr(0, std::min(text.size(), kMaxSegmentedLetters));
}

}  // namespace

Lexicon::Lexicon(SystemMappingNames names)
    : dictionaries_(names),
      model_(std::move(names.model)),
      mainSyllables_(sizeof(SyllableItem), kSyllableListCapacity),
      alternativeSyllables_(sizeof(SyllableItem), kSyllableListCapacity),
      sentenceCandidates_(sizeof(Candidate), 0),
      learnedScratch_(sizeof(Candidate), kLearnedScratchCapacity) {}

void Lexicon::Initialise(const LexiconFiles& files, bool useFuzzy) {
  dictionaries_.MapSystemFiles(files.charPath, files.phrasePath, files.wordPath, files.checkRecordPath);
  ranges_.Forget();
  charReadings_.Clear();
  phraseReadings_.Clear();
  model_.SetFile(files.modelPath);
  LoadFuzzyPairs(files.fuzzyPath, useFuzzy);
}

void Lexicon::PrepareSearch() {
  if (reuseOn_ && !charReadings_.Built()) charReadings_.Build(dictionaries_, ranges_);
}

void Lexicon::LoadFuzzyPairs(const std::u16string& mohuyinPath, bool useFuzzy) {
  fuzzyPairs_.LoadFuzzyPairs(mohuyinPath, useFuzzy);
  sentenceScratch_.Forget();
  reuse_.Forget();
  syllableSet_ = SyllableSet(Syllables(), FuzzyPairs());
}

int32_t Lexicon::SearchPinyin(std::u16string_view text, base::GrowArray& candidates, uint8_t classMask,
                              bool withUser) {
  text = TypedLetters(text);
  if (text.empty()) return 0;
  if (SearchSyllables(text, candidates, classMask, false, withUser) == 0) return 0;
  if (Records<Candidate>(candidates)[0].consumed == text.size()) return candidates.count();

  uint8_t consumed = 0;
  if (!smartSentence_ || !AssembleSmartSentence(text, withUser, consumed)) AssembleSentence(text, withUser, consumed);
  if (sentenceText_[0] == u'\0') return candidates.count();
  char16_t scratch[2];
  if (CandidateTextView(Records<Candidate>(candidates)[0], scratch) == SentenceText()) return candidates.count();
  const Candidate sentence = MakeCandidate(kSt, 0, consumed, sentenceText_);
  candidates.InsertAt(&sentence, 1, 0);
  return candidates.count();
}

// Takes the best candidate for the letters left, again and again. Each piece covers at least one
// letter; a piece whose text or syllables no longer fit the sentence buffers ends the sentence.
void Lexicon::AssembleSentence(std::u16string_view text, bool withUser, uint8_t& consumed) {
  std::fill(std::begin(sentenceText_), std::end(sentenceText_), u'\0');
  std::fill(std::begin(sentenceSyllables_), std::end(sentenceSyllables_), uint16_t{0});
  size_t textLength = 0;
  size_t sum = 0;
  // The list takes its room on the first sentence: most processes never assemble one.
  if (sentenceCandidates_.capacity() < kSentenceCandidateCapacity) {
    sentenceCandidates_.SetCapacity(kSentenceCandidateCapacity);
  }
  std::u16string_view rest = text;
  while (!rest.empty()) {
    EmptyList(sentenceCandidates_);
    if (SearchSyllables(rest, sentenceCandidates_, kSentenceClassMask, true, withUser) == 0) break;
    const Candidate& best = Records<Candidate>(sentenceCandidates_)[0];
    if (best.consumed == 0 || !AppendToSentence(best, textLength)) break;
    const size_t step = std::min<size_t>(best.consumed, rest.size());
    sum += step;
    rest.remove_prefix(step);
  }
  consumed = static_cast<uint8_t>(sum & 0xFF);
}

bool Lexicon::AssembleSmartSentence(std::u16string_view text, bool withUser, uint8_t& consumed) {
  const LanguageModelView* model = model_.View();
  if (model == nullptr) return false;
  std::fill(std::begin(sentenceText_), std::end(sentenceText_), u'\0');
  std::fill(std::begin(sentenceSyllables_), std::end(sentenceSyllables_), uint16_t{0});
  size_t textLength = 0;
  size_t sum = 0;
  for (const Candidate& piece : FindBestSentence(*this, *model, text, withUser, reuseOn_, sentenceScratch_)) {
    if (!AppendToSentence(piece, textLength)) break;
    sum += piece.consumed;
  }
  consumed = static_cast<uint8_t>(std::min(sum, text.size()) & 0xFF);
  return true;
}

bool Lexicon::AppendToSentence(const Candidate& piece, size_t& textLength) {
  char16_t scratch[2];
  const std::u16string_view text = CandidateTextView(piece, scratch);
  const size_t syllables = sentenceSyllables_[0];
  const size_t pieceSyllables = SyllableCodes(piece, {});
  if (textLength + text.size() > kSentenceTextUnits || syllables + pieceSyllables > kSentenceSyllables) return false;
  std::copy(text.begin(), text.end(), sentenceText_ + textLength);
  textLength += text.size();
  SyllableCodes(piece, std::span<uint16_t>(sentenceSyllables_ + 1 + syllables, pieceSyllables));
  sentenceSyllables_[0] = static_cast<uint16_t>(syllables + pieceSyllables);
  return true;
}

size_t Lexicon::SyllableCodes(const Candidate& candidate, std::span<uint16_t> buffer) const {
  return CandidateView(candidate).SyllableCodes(buffer, SentenceSyllables());
}

std::vector<uint16_t> Lexicon::SyllableCodes(const Candidate& candidate) const {
  std::vector<uint16_t> codes(SyllableCodes(candidate, {}));
  SyllableCodes(candidate, codes);
  return codes;
}

size_t Lexicon::FormatReading(std::span<const uint16_t> codes, std::u16string_view letters, std::u16string& out) const {
  return lexicon::FormatReading(Syllables(), FuzzyPairs(), codes, letters, out);
}

}  // namespace kellavor::lexicon
