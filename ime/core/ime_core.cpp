#include "ime/core/ime_core.h"

#include <algorithm>
#include <utility>

#include "ime/core/candidate_pages.h"
#include "ime/core/context_blocks.h"
#include "ime/core/soft_keyboard_layouts.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::kCmodeSoftKbd;
using platform::kCmodeSymbol;
using platform::kCompositionChanged;
using platform::kWmImeComposition;
using platform::kWmImeEndComposition;
using platform::kWmImeUiRefresh;

namespace {

constexpr int16_t kCandidateRecordSize = sizeof(lexicon::Candidate);
constexpr int32_t kInitialListCapacity = 5;

}  // namespace

ImeCore::ImeCore(platform::InputMethodPort& port, settings::ImeSettings& settings, InputPanel& panel,
                 lexicon::LexiconPort& lexicon)
    : port_(port),
      settings_(settings),
      panel_(panel),
      lexicon_(lexicon),
      messages_(port),
      candidates_(kCandidateRecordSize, kInitialListCapacity) {
  TakePageSize();
  ClearCandidates();
}

void ImeCore::TakePageSize() {
  // A page of no candidates would leave nothing to show or select.
  pageSize_ = std::max<uint16_t>(settings_.numofpage, 1);
  pageIndex_ = std::min(pageIndex_, LastPage(candidates_.count(), pageSize_));
}

// The list is emptied in place and keeps its block of kCandidateListCapacity records: every key
// clears it, and giving the block back to take a new one of the same size each time cost the
// allocator more than the search it was cleared for. A search that grew it beyond gives the excess
// back here, so the engine never holds more than that one block between searches.
void ImeCore::ClearCandidates() {
  candidates_.RemoveAll();
  if (candidates_.capacity() != kCandidateListCapacity || candidates_.growStep() != kCandidateListCapacity) {
    candidates_.SetCapacity(kCandidateListCapacity);
  }
  describedCount_ = 0;
}

uint32_t ImeCore::ConversionFlags() const {
  const auto status = port_.GetConversionStatus(context_);
  return status.has_value() ? status->conversion : 0;
}

uint32_t ImeCore::RawCommitKey() const {
  if (IsGermanMode() && settings_.sentence_en == 0 && settings_.en_usespace == 0) return vk::kSpace;
  return vk::kReturn;
}

uint32_t ImeCore::SelectKey() const { return RawCommitKey() == vk::kSpace ? vk::kReturn : vk::kSpace; }

bool ImeCore::SoftKeyboardTakes(uint32_t virtualKey) const {
  return (ConversionFlags() & kCmodeSoftKbd) != 0 && IsSoftKeyboardKey(virtualKey) && settings_.softkbdid >= 1 &&
         settings_.softkbdid <= 13;
}

// The status window is the one this process's bar created: a lookup by class name would reach
// the bars of other applications as well.
void ImeCore::SendToStatusWindow(uint32_t message) {
  const platform::WindowHandle status = panel_.StatusWindow();
  if (port_.IsWindow(status)) port_.SendToWindow(status, message, 0, 0);
}

void ImeCore::RepaintStatusWindow(bool eraseBackground) {
  const platform::WindowHandle status = panel_.StatusWindow();
  if (port_.IsWindow(status)) port_.InvalidateWindow(status, eraseBackground);
}

void ImeCore::SetInputMode(platform::ContextHandle context, uint32_t mode) {
  if (mode == settings_.inputmode) return;
  settings_.inputmode = mode;
  if (const auto status = port_.GetConversionStatus(context); status.has_value()) {
    const bool wantSymbol = mode != kGermanMode;
    if (((status->conversion & kCmodeSymbol) != 0) != wantSymbol) {
      port_.SetConversionStatus(context, {status->conversion ^ kCmodeSymbol, status->sentence});
    }
  }
  RepaintStatusWindow(true);
  Reset(true);
}

void ImeCore::SwitchModeByKey() {
  if (!IsGermanMode()) {
    settings_.previnputmode = settings_.inputmode;
    SetInputMode(context_, kGermanMode);
    return;
  }
  const uint32_t previous = settings_.previnputmode == kGermanMode ? kPinyinMode : settings_.previnputmode;
  settings_.previnputmode = previous;
  SetInputMode(context_, previous);
}

void ImeCore::ActivateContext(const platform::ContextLock& context, bool selected) {
  context_ = context.handle();
  const CallScope call(*this, context);
  if (selected) {
    if (const auto status = port_.GetConversionStatus(context_); status.has_value()) {
      const bool wantSymbol = !IsGermanMode();
      if (((status->conversion & kCmodeSymbol) != 0) != wantSymbol) {
        port_.SetConversionStatus(context_, {status->conversion ^ kCmodeSymbol, status->sentence});
      }
    }
    if (settings_.uselast == 0) SetInputMode(context_, settings_.defaultinputmode);
  }
  if ((ConversionFlags() & kCmodeSoftKbd) != 0 && softKeyboard_ != nullptr && context) {
    softKeyboard_->DestroySoftKeyboard();
    softKeyboard_->CreateSoftKeyboard(port_.ContextWindow(context.fields()), settings_.softkbdid);
  }
  Reset(false);
}

void ImeCore::Reset(bool notify) {
  ClearCandidates();
  segments_.clear();
  composition_.clear();
  cursor_ = selection_ = pageIndex_ = 0;
  panel_.SetComposition(u"", 0);
  panel_.ClearCandidates();
  panel_.SetHighlight(0);
  // Every composition the application saw start is closed for it exactly once, whether or not
  // the module's composition window was shown: an application that draws the composition itself
  // never lets it be shown.
  const bool wasOpen = std::exchange(compositionOpen_, false);
  if (notify && wasOpen) {
    WithLocked(context_, [&](const platform::ContextLock& context) {
      NotifyUiWindow(port_, panel_, context, kWmImeUiRefresh);
      messages_.GenerateMessage(context, kWmImeComposition, 0, kCompositionChanged);
      messages_.GenerateMessage(context, kWmImeEndComposition, 0, 0);
    });
  }
}

std::u16string ImeCore::SegmentTexts() const {
  std::u16string texts;
  for (const Segment& segment : segments_) texts += segment.text;
  return texts;
}

}  // namespace kellavor::core
