#include "ime/lexicon/segmentation.h"

#include <algorithm>
#include <iterator>

#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/syllables.h"

namespace kellavor::lexicon {
namespace {

class Segmenter {
 public:
  explicit Segmenter(const SyllableSet& syllables) : syllables_(syllables) {}

  bool IsSyllable(std::u16string_view letters) const { return syllables_.Contains(letters); }

  // Longest syllable first from the left, after the syllables already in forward. No syllable is
  // longer than seven letters, so the pieces tried start at seven.
  void ReadForward(std::u16string_view text, std::vector<SyllableItem>& forward) const {
    size_t p = 0;
    for (const SyllableItem& item : forward) p += static_cast<size_t>(item.length);
    while (p < text.size()) {
      size_t n = std::min<size_t>(text.size() - p, kMaxSyllableLetters);
      for (; n > 1; --n) {
        const std::u16string_view piece = text.substr(p, n);
        if (IsSyllable(piece) && !(IsDoubleInitial(piece) && text.size() > n)) break;
      }
      forward.push_back(MakeSyllableItem(text.substr(p, n)));
      p += n;
    }
  }

  // Longest syllable first from the right. The walk from a letter reads only the letters before
  // it, so once it reaches a syllable boundary of the kept reading of a text this one begins with,
  // the kept syllables before that boundary are the rest of the reading. backward holds the kept
  // reading (of keptLetters letters) and is replaced by the new one.
  void ReadBackward(std::u16string_view text, size_t keptLetters, std::vector<SyllableItem>& backward) const {
    // The syllables read from the right are appended after the kept ones, last first, and moved
    // into place at the end: the kept syllables the walk reads stay where they are meanwhile.
    const size_t keptSize = backward.size();
    // A boundary of the kept reading at or below e: after the first `boundary` kept syllables.
    size_t boundary = keptSize;
    size_t boundaryLetters = 0;
    for (const SyllableItem& item : backward) boundaryLetters += static_cast<size_t>(item.length);
    size_t e = text.size();
    size_t keptCount = 0;
    while (e > 0) {
      if (e <= keptLetters) {
        while (boundary > 0 && boundaryLetters > e) boundaryLetters -= static_cast<size_t>(backward[--boundary].length);
        if (boundaryLetters == e) {
          keptCount = boundary;
          break;
        }
      }
      size_t s = e > kMaxSyllableLetters ? e - kMaxSyllableLetters : 0;
      while (e - s > 1 && !IsSyllable(text.substr(s, e - s))) ++s;
      backward.push_back(MakeSyllableItem(text.substr(s, e - s)));
      e = s;
    }
    const auto read = backward.begin() + static_cast<ptrdiff_t>(keptSize);
    std::reverse(read, backward.end());
    backward.erase(backward.begin() + static_cast<ptrdiff_t>(keptCount), read);
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

// The syllables of the forward reading whose pieces tried all lay inside the kept text, so that
// no letter after it changes them: those starting more than seven letters before its end.
size_t LastingForward(const Readings& kept) {
  size_t count = 0;
  size_t p = 0;
  for (const SyllableItem& item : kept.forward) {
    if (p + kMaxSyllableLetters >= kept.text.size()) break;
    p += static_cast<size_t>(item.length);
    ++count;
  }
  return count;
}

void UpdateReadings(const Segmenter& segmenter, std::u16string_view text, Readings& readings) {
  const bool extends = text.size() >= readings.text.size() && text.substr(0, readings.text.size()) == readings.text;
  if (!extends) {
    readings.forward.clear();
    readings.backward.clear();
    readings.text.clear();
  }
  readings.forward.resize(LastingForward(readings));
  segmenter.ReadForward(text, readings.forward);
  segmenter.ReadBackward(text, readings.text.size(), readings.backward);
  readings.text.assign(text);
}

}  // namespace

void SplitSyllables(const SyllableSet& syllables, std::u16string_view text, base::GrowArray& main,
                    base::GrowArray& alternative, const PhraseTest& hasPhrase) {
  Readings fresh;
  SplitSyllables(syllables, text, main, alternative, hasPhrase, fresh);
}

void SplitSyllables(const SyllableSet& syllables, std::u16string_view text, base::GrowArray& main,
                    base::GrowArray& alternative, const PhraseTest& hasPhrase, Readings& readings) {
  EmptyList(main);
  EmptyList(alternative);
  text = text.substr(0, std::min(text.size(), kMaxSegmentedLetters));
  const Segmenter segmenter(syllables);
  UpdateReadings(segmenter, text, readings);
  AppendAll<SyllableItem>(main, readings.forward);
  if (!SameReading(readings.forward, readings.backward)) {
    AppendAll<SyllableItem>(alternative, readings.backward);
    return;
  }

  const std::vector<SyllableItem>& forward = readings.forward;
  size_t same = 0;
  while (same < forward.size() && same < readings.tested.size() && readings.tested[same].view() == forward[same].view()) {
    ++same;
  }
  readings.tested.resize(same);
  readings.splitEnds.resize(same);
  readings.split.resize(same == 0 ? 0 : readings.splitEnds[same - 1]);
  for (size_t i = same; i < forward.size(); ++i) {
    SyllableItem pieces[kMaxSyllableLetters];
    const size_t count = segmenter.SplitItem(forward[i], pieces);
    if (count >= 2 && hasPhrase(std::span<const SyllableItem>(pieces, count))) {
      readings.split.insert(readings.split.end(), pieces, pieces + count);
    } else {
      readings.split.push_back(forward[i]);
    }
    readings.tested.push_back(forward[i]);
    readings.splitEnds.push_back(readings.split.size());
  }
  if (readings.split.size() != forward.size()) AppendAll<SyllableItem>(alternative, readings.split);
}

}  // namespace kellavor::lexicon
