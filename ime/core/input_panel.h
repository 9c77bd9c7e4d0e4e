// What the composition and candidate windows show, as the engine fills it: the composition text
// with the split between its converted and its typed part, the entries of the candidate page with
// their hints, the highlighted entry, the page buttons and the document for the word-detail viewer.
// The windows read it when they lay out and paint themselves; the content itself is portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ime/core/detail_viewer_link.h"
#include "ime/lexicon/candidate_item.h"
#include "ime/platform/ime_port.h"

namespace kellavor::core {

// The panel keeps at most this many units of composition text.
inline constexpr size_t kPanelCompositionUnits = 264;

// One entry of the page, owned by the panel.
struct PanelEntry {
  int32_t kind = lexicon::candidate_item_kind::kOneUnit;
  std::u16string text;
  std::optional<std::u16string> hint;

  friend bool operator==(const PanelEntry&, const PanelEntry&) = default;
};

class InputPanel {
 public:
  explicit InputPanel(platform::InputMethodPort& port) : port_(port) {}

  // The windows the panel is drawn in, once the UI window has created them; null before.
  void SetWindows(platform::WindowHandle compositionWindow, platform::WindowHandle candidateWindow);
  platform::WindowHandle CompositionWindow() const { return compositionWindow_; }
  platform::WindowHandle CandidateWindow() const { return candidateWindow_; }
  // The UI window the panel was last shown for. It outlives the panel windows, which the end of
  // every composition destroys, so that the next composition's refresh still finds it.
  void SetUiWindow(platform::WindowHandle uiWindow) { uiWindow_ = uiWindow; }
  platform::WindowHandle UiWindow() const { return uiWindow_; }
  // The status bar's window beside the panel, as the bar created it (null while there is none):
  // the engine's hot keys and the right button on the composition window address it.
  void SetStatusWindow(platform::WindowHandle statusWindow) { statusWindow_ = statusWindow; }
  platform::WindowHandle StatusWindow() const { return statusWindow_; }

  // The engine's operations. None of them repaints except SetHighlight: the engine asks the UI
  // window to lay out the panel afterwards.
  void ClearCandidates() { entries_.clear(); }
  // Appends a copy of the item, a string cut at a line feed that more than a character follows,
  // and tells the context's candidate list how many entries the page has now (when the caller's
  // lock of the context held).
  void AddCandidate(const platform::ContextLock& context, const lexicon::CandidateItem& item);
  // Keeps at most kPanelCompositionUnits units of the text; split counts the leading units drawn
  // as converted, the caret standing behind them.
  void SetComposition(std::u16string_view text, uint16_t split);
  // Stores the highlighted entry and has both windows repainted.
  void SetHighlight(uint32_t index);
  void SetPageButtons(bool canPageUp, bool canPageDown);
  // The viewer link of the windows the panel is drawn in; null for none.
  void SetDetailLink(DetailViewerLink* link) { detailLink_ = link; }
  // The document for the word-detail viewer, taken when a panel window is visible (the candidate
  // window first): its delay restarts, so the viewer follows only once the highlight rests. An
  // empty document cancels the delay and hides the viewer. With both windows hidden nothing
  // changes.
  void RequestDetail(std::string document);

  const std::u16string& Composition() const { return composition_; }
  uint16_t Split() const { return split_; }
  const std::vector<PanelEntry>& Entries() const { return entries_; }
  uint32_t Highlight() const { return highlight_; }
  bool CanPageUp() const { return canPageUp_; }
  bool CanPageDown() const { return canPageDown_; }
  const std::string& PendingDetail() const { return pendingDetail_; }
  // The window whose delay runs for the pending document; null when nothing is to be shown.
  platform::WindowHandle DetailTarget() const { return detailTarget_; }

 private:
  platform::InputMethodPort& port_;
  platform::WindowHandle compositionWindow_ = nullptr;
  platform::WindowHandle candidateWindow_ = nullptr;
  platform::WindowHandle uiWindow_ = nullptr;
  platform::WindowHandle statusWindow_ = nullptr;
  std::u16string composition_;
  uint16_t split_ = 0;
  std::vector<PanelEntry> entries_;
  uint32_t highlight_ = 0;
  bool canPageUp_ = false;
  bool canPageDown_ = false;
  std::string pendingDetail_;
  platform::WindowHandle detailTarget_ = nullptr;
  DetailViewerLink* detailLink_ = nullptr;
};

// The text the panel stores for a string entry: the part before a line feed and "..." when more
// than one character follows the line feed, otherwise the whole text.
std::u16string PanelEntryText(std::u16string_view text);

}  // namespace kellavor::core
