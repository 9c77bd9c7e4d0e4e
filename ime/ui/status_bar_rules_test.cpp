#include "ime/ui/status_bar_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "ime/platform/ime_messages.h"

namespace kellavor::ui {
namespace {

using platform::kCmodeFullShape;
using platform::kCmodeNative;
using platform::kCmodeSoftKbd;
using platform::kCmodeSymbol;

// The groups whose members take turns at one place of the bar.
const std::vector<std::vector<uint16_t>> kGroups = {
    {1001, 1002}, {1003, 1004}, {1005, 1006}, {1008, 1009, 1010}, {1011, 1012}};

std::vector<uint16_t> ShownOf(const std::vector<uint16_t>& group, const StatusModes& modes) {
  std::vector<uint16_t> shown;
  for (uint16_t id : group) {
    const std::optional<bool> visible = StatusButtonShown(id, modes);
    EXPECT_TRUE(visible.has_value()) << id;
    if (visible.value_or(false)) shown.push_back(id);
  }
  return shown;
}

TEST(StatusBarRules, EachGroupShowsExactlyTheMemberNamingTheCurrentMode) {
  const StatusModes pinyin{kCmodeNative | kCmodeSymbol, false, 0, 0};
  EXPECT_EQ(ShownOf(kGroups[0], pinyin), (std::vector<uint16_t>{1002})) << "Chinese punctuation";
  EXPECT_EQ(ShownOf(kGroups[1], pinyin), (std::vector<uint16_t>{1004})) << "half width";
  EXPECT_EQ(ShownOf(kGroups[2], pinyin), (std::vector<uint16_t>{1006})) << "soft keyboard off";
  EXPECT_EQ(ShownOf(kGroups[3], pinyin), (std::vector<uint16_t>{1008}));
  EXPECT_EQ(ShownOf(kGroups[4], pinyin), (std::vector<uint16_t>{1011}));

  const StatusModes german{kCmodeFullShape | kCmodeSoftKbd, false, 1, 1};
  EXPECT_EQ(ShownOf(kGroups[0], german), (std::vector<uint16_t>{1001}));
  EXPECT_EQ(ShownOf(kGroups[1], german), (std::vector<uint16_t>{1003}));
  EXPECT_EQ(ShownOf(kGroups[2], german), (std::vector<uint16_t>{1005}));
  EXPECT_EQ(ShownOf(kGroups[3], german), (std::vector<uint16_t>{1009}));
  EXPECT_EQ(ShownOf(kGroups[4], german), (std::vector<uint16_t>{1012}));

  // Caps Lock takes the input-mode place whatever the mode, and its button does nothing.
  for (uint32_t mode : {0u, 1u}) {
    EXPECT_EQ(ShownOf(kGroups[3], {0, true, mode, 0}), (std::vector<uint16_t>{1010}));
  }
  EXPECT_EQ(DecodeStatusCommand(1010).action, StatusAction::kNothing);

  for (int always : {1000, 1007, 1013, 1014, 1015}) EXPECT_FALSE(StatusButtonShown(static_cast<uint16_t>(always), german).has_value());
}

TEST(StatusBarRules, ANeverPlacedBarGoesTwoThirdsAcrossOnTheBottomAndIsRemembered) {
  const StatusPlacement first = PlaceStatusBar({-1, -1}, {150, 24}, {0, 0, 1920, 1040});
  EXPECT_EQ(first.position, (ScreenPoint{1280, 1016}));
  EXPECT_EQ(first.save, (ScreenPoint{1280, 1016}));
  EXPECT_EQ(PlaceStatusBar({300, -1}, {150, 24}, {0, 0, 1920, 1040}).position, (ScreenPoint{1280, 1016}));

  // A saved corner is pulled back inside the work area without changing what is saved.
  const StatusPlacement outside = PlaceStatusBar({1900, 1100}, {150, 24}, {0, 0, 1920, 1040});
  EXPECT_EQ(outside.position, (ScreenPoint{1770, 1016}));
  EXPECT_FALSE(outside.save.has_value());
  EXPECT_EQ(PlaceStatusBar({-50, 10}, {150, 24}, {100, 40, 1920, 1040}).position, (ScreenPoint{100, 40}));
  EXPECT_EQ(PlaceStatusBar({500, 300}, {150, 24}, {0, 0, 1920, 1040}).position, (ScreenPoint{500, 300}));
}

TEST(StatusBarRules, TheSoftKeyboardStandsBottomRightClearOfTheBar) {
  const ScreenRect area{0, 0, 1920, 1040};
  EXPECT_EQ(PlaceSoftKeyboard({400, 170}, area, std::nullopt), (ScreenPoint{1520, 870}));
  // The never-placed bar lies left of the keyboard: it stays in the corner.
  EXPECT_EQ(PlaceSoftKeyboard({400, 170}, area, ScreenRect{1280, 1016, 1430, 1040}), (ScreenPoint{1520, 870}));
  // A bar in the corner pushes it up.
  EXPECT_EQ(PlaceSoftKeyboard({400, 170}, area, ScreenRect{1770, 1016, 1920, 1040}), (ScreenPoint{1520, 846}));
  // A bar wider than the keyboard, no corner of it inside, still does.
  EXPECT_EQ(PlaceSoftKeyboard({400, 170}, area, ScreenRect{1400, 950, 1990, 974}), (ScreenPoint{1520, 780}));
  // Without room above the bar the keyboard goes below it.
  EXPECT_EQ(PlaceSoftKeyboard({400, 170}, {0, 0, 1920, 300}, ScreenRect{1700, 150, 1850, 174}), (ScreenPoint{1520, 174}));
}

TEST(StatusBarRules, TheMenuChecksTheShownKeyboardAndTheCurrentTheme) {
  EXPECT_EQ(CheckedSoftKeyboardItem(false, 13), 40024);
  EXPECT_EQ(CheckedSoftKeyboardItem(true, 13), 40013);
  EXPECT_EQ(CheckedSoftKeyboardItem(true, 0), 40011);
  EXPECT_EQ(CheckedSoftKeyboardItem(true, 12), 40012);
  EXPECT_EQ(CheckedSoftKeyboardItem(true, 14), 40024) << "a layout the menu does not have";
  EXPECT_EQ(CheckedThemeItem(true, 2), 90002u);
  EXPECT_EQ(CheckedThemeItem(true, -1), 40030u);
  EXPECT_EQ(CheckedThemeItem(false, 2), 40030u);
}

TEST(StatusBarRules, EveryCommandIdHasItsAction) {
  const std::vector<std::pair<uint32_t, StatusCommand>> table = {
      {1000, {StatusAction::kMenu}},
      {1001, {StatusAction::kFlipPunctuation}},
      {1002, {StatusAction::kFlipPunctuation}},
      {1003, {StatusAction::kFlipWidth}},
      {1004, {StatusAction::kFlipWidth}},
      {1005, {StatusAction::kSoftKeyboardOff}},
      {1006, {StatusAction::kSoftKeyboardOn}},
      {1007, {StatusAction::kNothing}},
      {1008, {StatusAction::kToGerman}},
      {1009, {StatusAction::kToPinyin}},
      {1011, {StatusAction::kFlipTraditional}},
      {1012, {StatusAction::kFlipTraditional}},
      {1013, {StatusAction::kNothing}},
      {1014, {StatusAction::kNothing}},
      {1015, {StatusAction::kCustom}},
      {40006, {StatusAction::kSettingsProgram}},
      {40009, {StatusAction::kHelpPage}},
      {40024, {StatusAction::kCloseSoftKeyboard}},
      {40026, {StatusAction::kAboutBox}},
      {40029, {StatusAction::kFlipTraditional}},
      {40030, {StatusAction::kBuiltInTheme}},
      {40013, {StatusAction::kSoftKeyboard, 13}},
      {40011, {StatusAction::kSoftKeyboard, 0}},
      {40012, {StatusAction::kSoftKeyboard, 12}},
      {90000, {StatusAction::kTheme, 0}},
      {90007, {StatusAction::kTheme, 7}},
      {0, {StatusAction::kNothing}},
      {40010, {StatusAction::kNothing}},
  };
  for (const auto& [id, command] : table) EXPECT_EQ(DecodeStatusCommand(id), command) << id;

  // The fourteen layouts, each once, each behind its own command.
  std::set<uint32_t> layouts;
  std::set<uint16_t> commands;
  for (const SoftKeyboardItem& item : SoftKeyboardItems()) {
    layouts.insert(item.layout);
    commands.insert(item.command);
    EXPECT_EQ(DecodeStatusCommand(item.command), (StatusCommand{StatusAction::kSoftKeyboard, item.layout}));
  }
  EXPECT_EQ(layouts.size(), 14u);
  EXPECT_EQ(commands.size(), 14u);
  EXPECT_EQ(SoftKeyboardItems().front().layout, 13) << "German letters come first";
}

TEST(StatusBarRules, TheHelpPageIsOnTheProductSite) {
  EXPECT_EQ(HelpPageAddress(u"127.0.0.1:8794"), u"http://127.0.0.1:8794/kellavor/input.aspx");
}

}  // namespace
}  // namespace kellavor::ui
