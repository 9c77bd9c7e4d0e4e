#include "ime/core/input_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ime/core/candidate_info_block.h"
#include "ime/core/entry_points.h"
#include "ime/platform/sim/sim_input_method.h"

namespace kellavor::core {
namespace {

using lexicon::CandidateItem;
using platform::SimEvent;

CandidateItem StringItem(const char16_t* text, const char16_t* hint = nullptr) {
  CandidateItem item;
  item.kind = lexicon::candidate_item_kind::kString;
  item.text = text;
  item.hint = hint;
  return item;
}

CandidateItem UnitItem(char16_t unit) {
  CandidateItem item;
  item.units[0] = unit;
  return item;
}

TEST(InputPanel, StringsAreCutAtALineFeedOnlyWhenMoreThanACharacterFollows) {
  EXPECT_EQ(PanelEntryText(u"ab\ncde"), u"ab...");
  EXPECT_EQ(PanelEntryText(u"ab\ncd"), u"ab...");
  EXPECT_EQ(PanelEntryText(u"ab\nc"), u"ab\nc");
  EXPECT_EQ(PanelEntryText(u"abc"), u"abc");
}

TEST(InputPanel, EntriesAreCopiesAndCountedInTheContextsCandidateList) {
  platform::SimInputMethod sim;
  const platform::ContextHandle context = sim.CreateContext();
  ImeSelect(sim, nullptr, context, true);
  const auto block = sim.FindContext(context)->candidateInfo;
  InputPanel panel(sim);

  std::u16string hint = u"房子";
  {
    const platform::ContextLock locked(sim, context);
    panel.AddCandidate(locked, StringItem(u"Haus", hint.c_str()));
    hint = u"changed";
    panel.AddCandidate(locked, UnitItem(u'中'));
  }
  EXPECT_EQ(panel.Entries(), (std::vector<PanelEntry>{{2, u"Haus", u"房子"}, {0, u"中", std::nullopt}}));
  EXPECT_EQ(ReadCandidateListCounters(sim.BlockBytes(block)), (CandidateListCounters{2, 0, 1, 1}));
  EXPECT_EQ(sim.LockCount(block), 0);
  EXPECT_EQ(sim.LockCount(context), 0);

  panel.ClearCandidates();
  EXPECT_TRUE(panel.Entries().empty());
  panel.AddCandidate(platform::ContextLock(sim, nullptr), UnitItem(u'a'));
  EXPECT_EQ(panel.Entries().size(), 1u) << "kept even when the context cannot be locked";
}

TEST(InputPanel, CompositionIsBoundedAndTheSplitWithinIt) {
  platform::SimInputMethod sim;
  InputPanel panel(sim);
  panel.SetComposition(u"zhong'guo", 20);
  EXPECT_EQ(panel.Composition(), u"zhong'guo");
  EXPECT_EQ(panel.Split(), 9);
  const std::u16string pair = u"\U00020000";
  panel.SetComposition(std::u16string(kPanelCompositionUnits - 1, u'a') + pair, 3);
  EXPECT_EQ(panel.Composition().size(), kPanelCompositionUnits - 1) << "a surrogate pair is not split";
}

TEST(InputPanel, HighlightRepaintsBothWindows) {
  platform::SimInputMethod sim;
  InputPanel panel(sim);
  panel.SetHighlight(2);
  EXPECT_TRUE(sim.Events().empty()) << "no windows yet";
  const auto composition = sim.AddWindow(u"KellavorIME_Comp");
  const auto candidate = sim.AddWindow(u"KellavorIME_Cand");
  panel.SetWindows(composition, candidate);
  panel.SetHighlight(3);
  EXPECT_EQ(panel.Highlight(), 3u);
  EXPECT_EQ(sim.Events(), (std::vector<SimEvent>{SimEvent::Invalidated(composition, false),
                                                 SimEvent::Invalidated(candidate, false)}));
}

// What the panel asked of the viewer link, in order.
struct RecordedLink final : DetailViewerLink {
  void RestartDelay(platform::WindowHandle window) override { calls.push_back({"restart", window}); }
  void CancelAndHide(platform::WindowHandle window) override { calls.push_back({"hide", window}); }
  std::vector<std::pair<std::string, platform::WindowHandle>> calls;
};

TEST(InputPanel, DetailRequestsNeedAVisibleWindow) {
  platform::SimInputMethod sim;
  InputPanel panel(sim);
  RecordedLink link;
  panel.SetDetailLink(&link);
  const auto composition = sim.AddWindow(u"KellavorIME_Comp");
  const auto candidate = sim.AddWindow(u"KellavorIME_Cand");
  panel.SetWindows(composition, candidate);

  panel.RequestDetail("<cfg>a</cfg>");
  EXPECT_EQ(panel.PendingDetail(), "") << "both hidden: nothing changes";
  EXPECT_EQ(panel.DetailTarget(), nullptr);

  sim.SetWindowVisible(composition, true);
  panel.RequestDetail("<cfg>b</cfg>");
  EXPECT_EQ(panel.PendingDetail(), "<cfg>b</cfg>");
  EXPECT_EQ(panel.DetailTarget(), composition);
  sim.SetWindowVisible(candidate, true);
  panel.RequestDetail("<cfg>c</cfg>");
  EXPECT_EQ(panel.DetailTarget(), candidate) << "the candidate window first";

  panel.RequestDetail("");
  EXPECT_EQ(panel.PendingDetail(), "");
  EXPECT_EQ(panel.DetailTarget(), nullptr) << "an empty document hides the viewer";
  using Calls = std::vector<std::pair<std::string, platform::WindowHandle>>;
  EXPECT_EQ(link.calls, (Calls{{"restart", composition}, {"restart", candidate}, {"hide", candidate}}))
      << "every request restarts the delay of its window; the hidden windows' request asked nothing";
}

}  // namespace
}  // namespace kellavor::core
