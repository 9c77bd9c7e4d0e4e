#include "ime/lexicon/segmentation.h"

#include <algorithm>

#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/syllables.h"

namespace kellavor::lexicon {
namespace {

class Segmenter {
 public:
  explicit Segmenter(const SyllableSet& syllables) : syllables_(syllables) {}

  bool IsSyllable(std::u16string_view letters) const { return syllables_.Contains(letters); }

  // Longest syllable first from the left. No syllable is longer than seven letters, so the
  // pieces tried start at seven.
  void ReadForward(std::u16string_view text, base::GrowArray& main) const {
    size_t p = 0;
    while (p < text.size()) {
      size_t n = std::min<size_t>(text.size() - p, kMaxSyllableLetters);
      for (; n > 1; --n) {
        const std::u16string_view piece = text.substr(p, n);
        if (IsSyllable(piece) && !(IsDoubleInitial(piece) && text.size() > n)) break;
      }
      Append(main, MakeSyllableItem(text.substr(p, n)));
      p += n;
    }
  }

  // Longest syllable first from the right.
  void ReadBackward(std::u16string_view text, base::GrowArray& alternative) const {
    size_t e = text.size();
    while (e > 0) {
      size_t s = e > kMaxSyllableLetters ? e - kMaxSyllableLetters : 0;
      while (e - s > 1 && !IsSyllable(text.substr(s, e - s))) ++s;
      const SyllableItem item = MakeSyllableItem(text.substr(s, e - s));
      alternative.InsertAt(&item, 1, 0);
      e = s;
    }
  }

  // The pieces a main syllable splits into, shortest syllable of two or more letters first; fewer
  // than two when it does not split.
  size_t SplitItem(const SyllableItem& item, SyllableItem (&pieces)[kMaxSyllableLetters]) const {
    size_t count = 0;
    size_t start = 0;
    const std::u16string_view letters = item.view();
    for (size_t end = 1; end <= letters.size(); ++end) {
      const std::u16string_view buffer = letters.substr(start, end - start);
      if (buffer.size() >= 2 && IsSyllable(buffer) && !IsDoubleInitial(buffer)) {
        pieces[count++] = MakeSyllableItem(buffer);
        start = end;
      }
    }
    return start == letters.size() ? count : 0;
  }

 private:
  const SyllableSet& syllables_;
};

bool SameReading(std::span<const SyllableItem> a, std::span<const SyllableItem> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const SyllableItem& x, const SyllableItem& y) { return x.view() == y.view(); });
}

}  // namespace

void SplitSyllables(const SyllableSet& syllables, std::u16string_view text, base::GrowArray& main,
                    base::GrowArray& alternative, const PhraseTest& hasPhrase) {
  EmptyList(main);
  EmptyList(alternative);
  text = text.substr(0, std::min(text.size(), kMaxSegmentedLetters));
  const Segmenter segmenter(syllables);
  segmenter.ReadForward(text, main);
  segmenter.ReadBackward(text, alternative);
  if (SameReading(Records<SyllableItem>(main), Records<SyllableItem>(alternative))) EmptyList(alternative);
  if (alternative.count() > 0) return;

  for (const SyllableItem& item : Records<SyllableItem>(main)) {
    SyllableItem pieces[kMaxSyllableLetters];
    const size_t count = segmenter.SplitItem(item, pieces);
    if (count >= 2 && hasPhrase(std::span<const SyllableItem>(pieces, count))) {
      for (size_t k = 0; k < count; ++k) Append(alternative, pieces[k]);
    } else {
      Append(alternative, item);
    }
  }
  if (alternative.count() == main.count()) EmptyList(alternative);
}

}  // namespace kellavor::lexicon
