#include "ime/core/input_panel.h"

#include <algorithm>
#include <span>
#include <utility>

#include "ime/core/candidate_info_block.h"

namespace kellavor::core {
namespace {

using namespace lexicon::candidate_item_kind;

PanelEntry CopyItem(const lexicon::CandidateItem& item) {
  PanelEntry entry;
  entry.kind = item.kind;
  switch (item.kind) {
    case kOneUnit: entry.text.assign(item.units, 1); break;
    case kSurrogatePair: entry.text.assign(item.units, 2); break;
    default: entry.text = item.text != nullptr ? PanelEntryText(item.text) : std::u16string(); break;
  }
  if (item.hint != nullptr) entry.hint = std::u16string(item.hint);
  return entry;
}

}  // namespace

std::u16string PanelEntryText(std::u16string_view text) {
  const size_t lineFeed = text.find(u'\n');
  if (lineFeed == std::u16string_view::npos || text.size() - lineFeed <= 2) return std::u16string(text);
  std::u16string shortened(text.substr(0, lineFeed));
  shortened += u"...";
  return shortened;
}

void InputPanel::SetWindows(platform::WindowHandle compositionWindow, platform::WindowHandle candidateWindow) {
  compositionWindow_ = compositionWindow;
  candidateWindow_ = candidateWindow;
}

void InputPanel::AddCandidate(const platform::ContextLock& context, const lexicon::CandidateItem& item) {
  if (context) {
    const platform::BlockLock block(port_, port_.CandidateInfoBlock(context.fields()));
    if (block) SetCandidateListCount(block.bytes(), static_cast<uint32_t>(entries_.size() + 1));
  }
  entries_.push_back(CopyItem(item));
}

void InputPanel::SetComposition(std::u16string_view text, uint16_t split) {
  size_t kept = std::min(text.size(), kPanelCompositionUnits);
  // A surrogate pair is kept whole or not at all.
  if (kept < text.size() && kept > 0 && text[kept - 1] >= 0xD800 && text[kept - 1] <= 0xDBFF) --kept;
  composition_.assign(text.substr(0, kept));
  split_ = static_cast<uint16_t>(std::min<size_t>(split, composition_.size()));
}

void InputPanel::SetHighlight(uint32_t index) {
  highlight_ = index;
  for (platform::WindowHandle window : {compositionWindow_, candidateWindow_}) {
    if (window != nullptr) port_.InvalidateWindow(window, false);
  }
}

void InputPanel::SetPageButtons(bool canPageUp, bool canPageDown) {
  canPageUp_ = canPageUp;
  canPageDown_ = canPageDown;
}

void InputPanel::RequestDetail(std::string document) {
  platform::WindowHandle target = nullptr;
  if (port_.IsWindowVisible(candidateWindow_)) {
    target = candidateWindow_;
  } else if (port_.IsWindowVisible(compositionWindow_)) {
    target = compositionWindow_;
  }
  if (target == nullptr) return;
  if (detailLink_ != nullptr) {
    if (document.empty()) {
      detailLink_->CancelAndHide(target);
    } else {
      detailLink_->RestartDelay(target);
    }
  }
  detailTarget_ = document.empty() ? nullptr : target;
  pendingDetail_ = std::move(document);
}

}  // namespace kellavor::core
