// ImeCore: the key-processing engine. The input-method manager hands it every key twice: first to
// decide whether the module wants the key (three claim stages), then, for a claimed key, to act on
// it (two handling stages). It keeps the composition with its caret, the candidate list of the
// last search with the page and highlight shown, and the pinyin segments already converted; it
// publishes what the user sees to the InputPanel and the input context, and commits finished text.
//
// One per process, created by whoever builds the module, with references to the port, the
// settings, the panel and the dictionaries. Every entry point sets the context of its call first
// and locks it once for the whole call.
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
  // Where a context with the soft keyboard on gets its window; none by default.
  void SetSoftKeyboardWindow(SoftKeyboardWindow* window) { softKeyboard_ = window; }
  // Takes the page size from the settings again (numofpage), after a reload.
  void TakePageSize();

  // ImeProcessKey on an open context: whether the module takes the key. keyFlags: scan code with
  // the release (bit 15) and repeat (bit 14) bits; keyState: the 256-byte keyboard state.
  bool ClaimsKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);
  // ImeToAsciiEx on an open context, which the caller holds locked for the call: acts on the key.
  // The messages it generates go into translationList (see translation_list.h); returns how many
  // were stored there.
  uint32_t HandleKey(const platform::ContextLock& context, uint32_t virtualKey, uint32_t keyFlags,
                     const platform::KeyState& keyState, void* translationList);

  // A context, locked by the caller, is selected (or left): input mode and punctuation set as the
  // settings say, the soft keyboard made anew for it, the composition closed without notification.
  void ActivateContext(const platform::ContextLock& context, bool selected);

  // Closes the composition; with notify the panel and the application are told. Outside an entry
  // point's call (a settings reload) it locks the context for itself.
  void Reset(bool notify);
  // Switches between pinyin (kPinyinMode) and German word input (kGermanMode): the context's
  // punctuation bit set to match, the status window repainted, the composition closed. For the
  // mode-switch keys and the status bar's buttons.
  void SetInputMode(platform::ContextHandle context, uint32_t mode);
  // Commits text to the context: into its result string, or pasted when it has no room for one.
  // raw: the letters as typed, which get no appended space.
  void Commit(platform::ContextHandle context, std::u16string_view text, bool raw);

  // The state, for the module's windows and for tests.
  std::u16string_view SearchKey() const;
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
  // Binds the context an entry point locked to the engine for the length of one call.
  class CallScope {
   public:
    CallScope(ImeCore& core, const platform::ContextLock& context) : core_(core), outer_(core.call_) {
      core.call_ = &context;
    }
    ~CallScope() { core_.call_ = outer_; }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;

   private:
    ImeCore& core_;
    const platform::ContextLock* outer_;
  };

  // Runs body on the context locked: the call's own lock when it is the call's context, otherwise
  // a lock of its own for the length of body.
  template <typename Body>
  void WithLocked(platform::ContextHandle context, const Body& body) {
    if (call_ != nullptr && call_->handle() == context) {
      body(*call_);
      return;
    }
    const platform::ContextLock locked(port_, context);
    const CallScope call(*this, locked);
    body(locked);
  }

  // The context locked for the call being processed; only while a call is bound (HandleKey,
  // ActivateContext, WithLocked).
  const platform::ContextLock& CallContext() const { return *call_; }

  // The claim stages of ClaimsKey.
  bool ClaimsFunctionKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);
  bool ClaimsPunctuationKey(uint32_t virtualKey);
  bool ClaimsCharacterKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);

  // The handling stages of HandleKey: HandleFunctionKey reports whether it handled the key
  // completely; otherwise HandleCharacterKey follows.
  bool HandleFunctionKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);
  void HandleCharacterKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState);

  // The editing, paging and highlight keys, each with when it is claimed and what it does.
  struct FunctionKey;
  static const FunctionKey* FindFunctionKey(uint32_t virtualKey);
  // Whether plus or minus turns the page: the setting on, something shown, pressed without Ctrl
  // or Shift.
  bool PlusTurnsPage(bool press, const platform::KeyState& keyState) const;

  // Typing and editing; each change ends in Search (which publishes). typed: what the key types.
  bool InsertCharacter(std::u16string_view typed);
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
  bool SelectByKey(uint32_t virtualKey, std::u16string_view typed);
  bool SelectCandidate(int32_t index, std::u16string& buffer);
  bool ReplaceWordAtCursor(std::u16string_view text);  // false when the word does not fit

  void Search();
  bool CommitPunctuation(uint32_t virtualKey, std::u16string_view typed);

  // Publication of the page and the composition.
  void Publish();

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
  // Asks the dictionaries once for the candidates [first, first + count): their items, texts,
  // explanations and readings, kept in described_ until the candidate list changes.
  void Describe(int32_t first, int32_t count);
  // The description of candidate index (below the count): from the page described last, or asked
  // for when the candidate is not on it.
  const lexicon::PageEntry& DescribedEntry(int32_t index);
  lexicon::CandidateItem DisplayItem(const lexicon::PageEntry& entry, std::u16string& hint, std::u16string& converted);
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
  // The context locked for the call being processed; null between calls.
  const platform::ContextLock* call_ = nullptr;
  uint16_t selection_ = 0;
  uint16_t pageIndex_ = 0;
  uint16_t pageSize_ = 1;
  uint16_t cursor_ = 0;
  // The application was told that a composition started and has not yet been told it ended.
  bool compositionOpen_ = false;
  std::u16string composition_;
  base::GrowArray candidates_;
  lexicon::PageDescription described_;
  int32_t describedFirst_ = 0;
  int32_t describedCount_ = 0;  // 0 once the list has changed
  std::vector<Segment> segments_;
};

}  // namespace kellavor::core
