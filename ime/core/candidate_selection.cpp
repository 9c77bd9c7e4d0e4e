// Pages, the highlight, and choosing a candidate by digit or select key.
#include <string>
#include <utility>
#include <vector>

#include "ime/core/candidate_pages.h"
#include "ime/core/composition_text.h"
#include "ime/core/ime_core.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::core {

using platform::IsDigitKey;

bool ImeCore::PageUp() {
  if (pageIndex_ == 0) return false;
  --pageIndex_;
  Publish();
  return true;
}

bool ImeCore::PageDown() {
  if (candidates_.count() == 0 || pageIndex_ >= LastPage(candidates_.count(), pageSize_)) return false;
  ++pageIndex_;
  Publish();
  return true;
}

void ImeCore::HighlightNext() {
  const PagePosition moved = core::HighlightNext({pageIndex_, CurrentSelection()}, candidates_.count(), pageSize_);
  pageIndex_ = moved.pageIndex;
  selection_ = moved.selection;
  panel_.SetHighlight(selection_);
  Publish();
}

void ImeCore::HighlightPrevious() {
  const PagePosition moved = core::HighlightPrevious({pageIndex_, CurrentSelection()}, pageSize_);
  pageIndex_ = moved.pageIndex;
  selection_ = moved.selection;
  panel_.SetHighlight(selection_);
  Publish();
}

uint16_t ImeCore::CurrentSelection() const {
  return ClampSelection(selection_, EntriesOnPage(candidates_.count(), pageIndex_, pageSize_));
}

bool ImeCore::SelectByKey(uint32_t virtualKey, std::u16string_view typed) {
  if (!IsDigitKey(virtualKey) && virtualKey != SelectKey()) return false;
  if (typed.size() != 1 || !HasCompositionOrCandidates()) return false;

  const int32_t pageStart = PageStart(pageIndex_, pageSize_);
  int32_t index = pageStart + CurrentSelection();
  if (typed[0] >= u'1' && typed[0] <= u'9') {
    const int32_t digit = typed[0] - u'0';
    if (digit > pageSize_) return false;
    index = pageStart + digit - 1;
  }

  if (IsSentenceInput()) {
    // The word comes from the list or nothing happens.
    if (index < candidates_.count()) {
      const std::u16string word = DescribedEntry(index).text;
      // A word that does not fit into the composition changes nothing and is not learned.
      if (!word.empty() && ReplaceWordAtCursor(word)) lexicon_.LearnWord(word);
    }
    return true;
  }
  std::u16string buffer;
  if (SelectCandidate(index, buffer)) Commit(context_, buffer, false);
  return true;
}

bool ImeCore::SelectCandidate(int32_t index, std::u16string& buffer) {
  if (index >= 0 && index < candidates_.count()) {
    // A copy: the search that follows a partial selection replaces the list.
    const lexicon::Candidate candidate = candidates_.At<lexicon::Candidate>(index);
    const lexicon::PageEntry& entry = DescribedEntry(index);
    buffer = entry.text;
    if (settings_.inputmode == kPinyinMode) {
      const size_t consumed = candidate.consumed;
      if (consumed != 0 && consumed < composition_.size()) {
        segments_.push_back({composition_.substr(0, consumed), buffer, entry.codes});
        cursor_ = static_cast<uint16_t>(cursor_ > consumed ? cursor_ - consumed : 0);
        composition_.erase(0, consumed);
        Search();
        return false;
      }
      if (segments_.empty()) {
        lexicon_.LearnCandidate(candidate);
      } else {
        std::vector<uint16_t> codes;
        for (const Segment& segment : segments_) codes.insert(codes.end(), segment.codes.begin(), segment.codes.end());
        codes.insert(codes.end(), entry.codes.begin(), entry.codes.end());
        buffer.insert(0, SegmentTexts());
        lexicon_.LearnPhrase(buffer, codes);
      }
    } else if (IsGermanMode()) {
      lexicon_.LearnWord(buffer);
    }
    Reset(true);
    return true;
  }
  if (segments_.empty() && composition_.empty()) return false;
  buffer = SegmentTexts() + composition_;
  if (IsGermanMode()) lexicon_.LearnWord(buffer);
  Reset(true);
  return true;
}

bool ImeCore::ReplaceWordAtCursor(std::u16string_view text) {
  ReplacedWord replaced;
  if (!ReplaceWordAroundCaret(composition_, cursor_, text, replaced)) return false;
  composition_ = std::move(replaced.composition);
  cursor_ = static_cast<uint16_t>(replaced.cursor);
  Search();
  return true;
}

}  // namespace kellavor::core
