#include "ime/ui/status_bar_rules.h"

#include <algorithm>
#include <array>

#include "ime/platform/ime_messages.h"

namespace kellavor::ui {

using platform::kCmodeFullShape;
using platform::kCmodeSoftKbd;
using platform::kCmodeSymbol;

namespace {

constexpr std::array<SoftKeyboardItem, 14> kSoftKeyboardItems{{
    {40013, 13}, {40028, 1}, {40018, 2}, {40023, 3}, {40021, 4}, {40019, 5}, {40020, 6},
    {40022, 7}, {40015, 8}, {40014, 9}, {40016, 10}, {40017, 11}, {40012, 12}, {40011, 0},
}};

constexpr uint32_t kGermanMode = 1;

bool Overlap(const ScreenRect& a, const ScreenRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

std::span<const SoftKeyboardItem> SoftKeyboardItems() { return kSoftKeyboardItems; }

StatusCommand DecodeStatusCommand(uint32_t id) {
  namespace b = status_button;
  namespace m = status_menu;
  switch (id) {
    case b::kOption: return {StatusAction::kMenu};
    case b::kPunctuationWestern:
    case b::kPunctuationChinese: return {StatusAction::kFlipPunctuation};
    case b::kFullWidth:
    case b::kHalfWidth: return {StatusAction::kFlipWidth};
    case b::kSoftKeyboardOn: return {StatusAction::kSoftKeyboardOff};
    case b::kSoftKeyboardOff: return {StatusAction::kSoftKeyboardOn};
    case b::kPinyin: return {StatusAction::kToGerman};
    case b::kGerman: return {StatusAction::kToPinyin};
    case b::kSimplified:
    case b::kTraditional:
    case m::kTraditional: return {StatusAction::kFlipTraditional};
    case b::kCustom: return {StatusAction::kCustom};
    case m::kSettings: return {StatusAction::kSettingsProgram};
    case m::kHelp: return {StatusAction::kHelpPage};
    case m::kAbout: return {StatusAction::kAboutBox};
    case m::kBuiltInTheme: return {StatusAction::kBuiltInTheme};
    case m::kCloseSoftKeyboard: return {StatusAction::kCloseSoftKeyboard};
    default: break;
  }
  for (const SoftKeyboardItem& item : kSoftKeyboardItems) {
    if (item.command == id) return {StatusAction::kSoftKeyboard, item.layout};
  }
  if (id >= m::kFirstTheme) return {StatusAction::kTheme, id - m::kFirstTheme};
  return {};
}

std::optional<bool> StatusButtonShown(uint16_t id, const StatusModes& modes) {
  namespace b = status_button;
  const bool symbol = (modes.conversion & kCmodeSymbol) != 0;
  const bool fullShape = (modes.conversion & kCmodeFullShape) != 0;
  const bool softKeyboard = (modes.conversion & kCmodeSoftKbd) != 0;
  switch (id) {
    case b::kPunctuationWestern: return !symbol;
    case b::kPunctuationChinese: return symbol;
    case b::kFullWidth: return fullShape;
    case b::kHalfWidth: return !fullShape;
    case b::kSoftKeyboardOn: return softKeyboard;
    case b::kSoftKeyboardOff: return !softKeyboard;
    case b::kPinyin: return !modes.capsLock && modes.inputMode != kGermanMode;
    case b::kGerman: return !modes.capsLock && modes.inputMode == kGermanMode;
    case b::kCaps: return modes.capsLock;
    case b::kSimplified: return modes.big5mode == 0;
    case b::kTraditional: return modes.big5mode != 0;
    default: return std::nullopt;
  }
}

StatusPlacement PlaceStatusBar(ScreenPoint saved, ScreenSize size, const ScreenRect& workArea) {
  if (saved.x == -1 || saved.y == -1) {
    const ScreenPoint corner{workArea.right - (workArea.right - workArea.left) / 3, workArea.bottom - size.height};
    return {corner, corner};
  }
  ScreenPoint at = saved;
  if (at.x + size.width > workArea.right) at.x = workArea.right - size.width;
  if (at.y + size.height > workArea.bottom) at.y = workArea.bottom - size.height;
  at.x = std::max(at.x, workArea.left);
  at.y = std::max(at.y, workArea.top);
  return {at, std::nullopt};
}

ScreenPoint PlaceSoftKeyboard(ScreenSize size, const ScreenRect& workArea, const std::optional<ScreenRect>& statusBar) {
  ScreenPoint at{workArea.right - size.width, workArea.bottom - size.height};
  const ScreenRect keyboard{at.x, at.y, at.x + size.width, at.y + size.height};
  if (statusBar.has_value() && Overlap(keyboard, *statusBar)) {
    at.y = statusBar->top - size.height;
    if (at.y < workArea.top) at.y = statusBar->bottom;
  }
  return at;
}

uint16_t CheckedSoftKeyboardItem(bool softKeyboardOn, uint32_t layout) {
  if (!softKeyboardOn) return status_menu::kCloseSoftKeyboard;
  for (const SoftKeyboardItem& item : kSoftKeyboardItems) {
    if (item.layout == layout) return item.command;
  }
  return status_menu::kCloseSoftKeyboard;
}

uint32_t CheckedThemeItem(bool useTheme, int32_t currentIndex) {
  if (useTheme && currentIndex >= 0) return status_menu::kFirstTheme + static_cast<uint32_t>(currentIndex);
  return status_menu::kBuiltInTheme;
}

std::u16string HelpPageAddress(const std::u16string& host) { return u"http://" + host + u"/kellavor/input.aspx"; }

}  // namespace kellavor::ui
