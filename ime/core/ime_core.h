// ImeCore: the key-processing engine. The input-method manager hands it every key twice: first to
// decide whether the module wants the key (three claim stages), then, for a claimed key, to act on
// it (two handling stages). It keeps the composition with its caret, the candidate list of the
// last search with the page and highlight shown, and the pinyin segments already converted; it
// publishes what the user sees to the InputPanel and the input context, and commits finished text.
//
// One per process, created by whoever builds the module, with references to the port, the
// settings, the panel and the dictionaries. Every entry point sets the context of its call first.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ime/base/grow_array.h"
#include "ime/core/input_panel.h"
#include "ime/lexicon/lexicon_port.h"
#include "ime/core/message_generator.h"
#include "ime/core/soft_keyboard_window.h"
#include "ime/lexicon/candidate.h"
#include "ime/platform/ime_port.h"
#include "ime/settings/ime_settings.h"

namespace kellavor::core {

// The two input modes, kept in the setting inputmode.
inline constexpr uint32_t kPinyinMode = 0;
inline constexpr uint32_t kGermanMode = 1;

// The candidate list is given this capacity before every search, so that a search never grows it.
inline constexpr int32_t kCandidateListCapacity = 10000;

// A piece of a pinyin entry already converted: the letters it consumed, the characters chosen for
// them and their syllable numbers.
struct Segment {
  std::u16string reading;
  std::u16string text;
  std::vector<uint16_t> codes;
};

class ImeCore {
 public:
  ImeCore(platform::InputMethodPort& port, settings::ImeSettings& settings, InputPanel& panel,
          lexicon::LexiconPort& lexicon);
  ImeCore(const ImeCore&) = delete;
  ImeCore& operator=(const ImeCore&) = delete;

  // The context of the call being processed; every entry point sets it before it calls in.
  void SetContext(platform::ContextHandle context) { context_ = context; }
  platform::ContextHandle Context() const { return context_; }
  // The translation list binding of ImeToAsciiEx.
  MessageGenerator& Messages() { return messages_; }
  // Where a context with the soft keyboard on gets its window; none by default.
  void SetSoftKeyboardWindow(SoftKeyboardWindow* window) { softKeyboard_ = window; }
  // Takes the page size from the settings again (numofpage), after a reload.
  void TakePageSize();

  // The claim stages of ImeProcessKey. keyFlags: scan code with the release (bit 15) and repeat
  // (bit 14) bits; keyState: the 256-byte keyboard state.
  bool ClaimsFunctionKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);
  bool ClaimsPunctuationKey(uint32_t virtualKey);
  bool ClaimsCharacterKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);

  // The handling stages of ImeToAsciiEx: HandleFunctionKey reports whether it handled the key
  // completely; otherwise HandleCharacterKey follows.
  bool HandleFunctionKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);
  void HandleCharacterKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);

  // A context is selected (or left): input mode and punctuation set as the settings say, the soft
  // keyboard made anew for it, the composition closed without notification.
  void ActivateContext(platform::ContextHandle context, bool selected);

  // Typing and editing; each change ends in Search (which publishes).
  bool InsertCharacter(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);
  bool CursorLeft();
  bool CursorRight();
  void CursorHome();
  void CursorEnd();
  void DeleteForward();
  void DeleteBackward();

  // Pages and highlight.
  bool PageUp();
  bool PageDown();
  void HighlightNext();
  void HighlightPrevious();

  // Selection. SelectByKey takes the digit keys and the select key; SelectCandidate reports true
  // when buffer holds text to commit.
  bool SelectByKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);
  bool SelectCandidate(int32_t index, std::u16string& buffer);
  void ReplaceWordAtCursor(std::u16string_view text);

  void Search();
  std::u16string_view SearchKey() const;
  void Reset(bool notify);
  void SetInputMode(platform::ContextHandle context, uint32_t mode);
  bool CommitPunctuation(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);

  // Publication and commit.
  void Publish();
  void Commit(platform::ContextHandle context, std::u16string_view text, bool raw);

  // The state, for the module's windows and for tests.
  const std::u16string& Composition() const { return composition_; }
  uint16_t Cursor() const { return cursor_; }
  uint16_t Selection() const { return selection_; }
  uint16_t PageIndex() const { return pageIndex_; }
  uint16_t PageSize() const { return pageSize_; }
  int32_t CandidateCount() const { return candidates_.count(); }
  const lexicon::Candidate& CandidateAt(int32_t index) const { return candidates_.At<lexicon::Candidate>(index); }
  const std::vector<Segment>& Segments() const { return segments_; }
  uint32_t LastSwitchKey() const { return lastSwitchKey_; }
  bool SingleQuoteOpen() const { return singleQuoteOpen_ != 0; }
  bool DoubleQuoteOpen() const { return doubleQuoteOpen_ != 0; }

 private:
  bool IsGermanMode() const { return settings_.inputmode == kGermanMode; }
  bool IsSentenceInput() const { return IsGermanMode() && settings_.sentence_en != 0; }
  bool HasCompositionOrCandidates() const { return !composition_.empty() || candidates_.count() > 0; }
  uint32_t ConversionFlags() const;
  // Enter or Space, whichever commits the typed letters as they are in the current mode.
  uint32_t RawCommitKey() const;
  uint32_t SelectKey() const;
  bool SoftKeyboardTakes(uint32_t virtualKey) const;
  // The mode-switch key, released alone: German mode and back to the mode before it.
  void SwitchModeByKey();
  void SendToStatusWindow(uint32_t message);
  void RepaintStatusWindow(bool eraseBackground);
  void ClearCandidates();
  // Gives the newest segment's letters back to the front of the composition; false when there is
  // none or its letters no longer fit.
  bool UndoNewestSegment();
  // The highlight, kept on the last entry of a page that an edit has shortened.
  uint16_t CurrentSelection() const;
  // The segment texts, oldest first.
  std::u16string SegmentTexts() const;
  // The typed letters committed as they are, behind the converted segments.
  void CommitRaw();
  // The pinyin composition text shown: segments, the formatted reading of the first candidate
  // and the letters behind it, with the caret.
  void PublishComposition();
  void PublishDetail();
  lexicon::CandidateItem DisplayItem(const lexicon::Candidate& candidate, std::u16string& hint,
                                     std::u16string& converted);
  std::u16string ToTraditionalText(std::u16string_view text) const;

  platform::InputMethodPort& port_;
  settings::ImeSettings& settings_;
  InputPanel& panel_;
  lexicon::LexiconPort& lexicon_;
  MessageGenerator messages_;
  SoftKeyboardWindow* softKeyboard_ = nullptr;

  uint32_t lastSwitchKey_ = 0;
  uint32_t singleQuoteOpen_ = 0;
  uint32_t doubleQuoteOpen_ = 0;
  platform::ContextHandle context_ = nullptr;
  uint16_t selection_ = 0;
  uint16_t pageIndex_ = 0;
  uint16_t pageSize_ = 1;
  uint16_t cursor_ = 0;
  // The application was told that a composition started and has not yet been told it ended.
  bool compositionOpen_ = false;
  std::u16string composition_;
  base::GrowArray candidates_;
  std::vector<Segment> segments_;
};

}  // namespace kellavor::core
