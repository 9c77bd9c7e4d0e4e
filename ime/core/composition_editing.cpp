// Typing into the composition and moving or deleting within it. Every change ends in Search.
#include <string>

#include "ime/core/composition_text.h"
#include "ime/core/ime_core.h"

namespace kellavor::core {

bool ImeCore::InsertCharacter(std::u16string_view typed) {
  if (typed.size() != 1 || composition_.size() >= kMaxCompositionUnits) return false;
  composition_.insert(cursor_, typed);
  ++cursor_;
  return true;
}

bool ImeCore::UndoNewestSegment() {
  if (segments_.empty()) return false;
  Segment& newest = segments_.back();
  // The letters come back only while they fit the composition.
  if (composition_.size() + newest.reading.size() > kMaxCompositionUnits) return false;
  composition_.insert(0, newest.reading);
  cursor_ = static_cast<uint16_t>(newest.reading.size());
  segments_.pop_back();
  return true;
}

bool ImeCore::CursorLeft() {
  if (cursor_ > 0) {
    --cursor_;
  } else if (!UndoNewestSegment()) {
    return false;
  }
  Search();
  return true;
}

bool ImeCore::CursorRight() {
  if (cursor_ >= composition_.size()) return false;
  ++cursor_;
  Search();
  return true;
}

void ImeCore::CursorHome() {
  if (cursor_ == 0) {
    if (!UndoNewestSegment()) return;
    while (UndoNewestSegment()) {
    }
  }
  cursor_ = 0;
  Search();
}

void ImeCore::CursorEnd() {
  if (cursor_ >= composition_.size()) return;
  cursor_ = static_cast<uint16_t>(composition_.size());
  Search();
}

void ImeCore::DeleteForward() {
  if (cursor_ >= composition_.size()) return;
  composition_.erase(cursor_, 1);
  if (composition_.empty()) {
    Reset(true);
  } else {
    Search();
  }
}

void ImeCore::DeleteBackward() {
  if (cursor_ == 0) {
    Reset(true);
    return;
  }
  --cursor_;
  composition_.erase(cursor_, 1);
  if (!composition_.empty()) {
    Search();
  } else if (!segments_.empty()) {
    CursorLeft();
  } else {
    Reset(true);
  }
}

std::u16string_view ImeCore::SearchKey() const { return SearchKeyOf(composition_, cursor_, IsSentenceInput()); }

void ImeCore::Search() {
  const std::u16string_view key = SearchKey();
  ClearCandidates();
  if (settings_.inputmode == kPinyinMode) {
    lexicon_.SearchPinyin(key, candidates_, settings_.characterset, settings_.usefrequency != 0);
  } else if (IsGermanMode()) {
    lexicon_.SearchGerman(key, candidates_);
    lexicon_.SearchCustomPhrases(key, candidates_);
  }
  pageIndex_ = 0;
  Publish();
}

}  // namespace kellavor::core
