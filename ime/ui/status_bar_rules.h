// The status bar's decisions, apart from the window system: its command ids and what each does,
// which member of each button group shows the current mode, where a bar goes on screen, where the
// soft keyboard goes beside it, the menu's check marks and the help page's address.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "ime/ui/screen_geometry.h"

namespace kellavor::ui {

// The buttons' command ids; a button's id is the command it sends to the bar.
namespace status_button {
inline constexpr uint16_t kOption = 1000;
inline constexpr uint16_t kPunctuationWestern = 1001;
inline constexpr uint16_t kPunctuationChinese = 1002;
inline constexpr uint16_t kFullWidth = 1003;
inline constexpr uint16_t kHalfWidth = 1004;
inline constexpr uint16_t kSoftKeyboardOn = 1005;
inline constexpr uint16_t kSoftKeyboardOff = 1006;
inline constexpr uint16_t kLogo = 1007;
inline constexpr uint16_t kPinyin = 1008;
inline constexpr uint16_t kGerman = 1009;
inline constexpr uint16_t kCaps = 1010;
inline constexpr uint16_t kSimplified = 1011;
inline constexpr uint16_t kTraditional = 1012;
inline constexpr uint16_t kFullPinyin = 1013;
inline constexpr uint16_t kDoublePinyin = 1014;
inline constexpr uint16_t kCustom = 1015;
}  // namespace status_button

// The menu's command ids (the menu resource holds the same).
namespace status_menu {
inline constexpr uint16_t kResource = 105;
inline constexpr uint16_t kSettings = 40006;
inline constexpr uint16_t kHelp = 40009;
inline constexpr uint16_t kCloseSoftKeyboard = 40024;
inline constexpr uint16_t kAbout = 40026;
inline constexpr uint16_t kTraditional = 40029;
inline constexpr uint16_t kBuiltInTheme = 40030;
// The installed theme packages: this plus the package's index.
inline constexpr uint32_t kFirstTheme = 90000;
// Positions in the menu's first pop-up.
inline constexpr int kThemePopup = 2;
inline constexpr int kSoftKeyboardPopup = 3;
}  // namespace status_menu

// What a command does.
enum class StatusAction : uint8_t {
  kNothing,
  kMenu,
  kFlipPunctuation,
  kFlipWidth,
  kSoftKeyboardOff,   // flip the soft-keyboard bit, destroy the keyboard
  kSoftKeyboardOn,    // flip the soft-keyboard bit, show the keyboard of softkbdid
  kToGerman,
  kToPinyin,
  kFlipTraditional,   // flip big5mode, repaint, save
  kCustom,
  kSettingsProgram,
  kHelpPage,
  kAboutBox,
  kBuiltInTheme,
  kTheme,             // apply the package of the index
  kSoftKeyboard,      // show the keyboard of the layout
  kCloseSoftKeyboard, // clear the soft-keyboard bit, destroy the keyboard, save
};

struct StatusCommand {
  StatusAction action = StatusAction::kNothing;
  // The theme index (kTheme) or the soft-keyboard layout (kSoftKeyboard).
  uint32_t argument = 0;
  friend bool operator==(const StatusCommand&, const StatusCommand&) = default;
};

// The command of a button or menu id; kNothing for ids that are neither.
StatusCommand DecodeStatusCommand(uint32_t id);

// The soft-keyboard pop-up: its items in menu order, each with the layout it shows.
struct SoftKeyboardItem {
  uint16_t command;
  uint8_t layout;
};
std::span<const SoftKeyboardItem> SoftKeyboardItems();

// What decides which button of a group shows.
struct StatusModes {
  uint32_t conversion = 0;  // the context's conversion mode, 0 without a context
  bool capsLock = false;
  uint32_t inputMode = 0;   // 0 pinyin, 1 German
  uint32_t big5mode = 0;
};

// Whether the button shows in the modes; none for the buttons shown always, which are left as
// they are. Of each group exactly one member shows.
std::optional<bool> StatusButtonShown(uint16_t id, const StatusModes& modes);

// Where the bar of the size goes in the work area, starting from the saved corner (-1 in either
// coordinate: never placed, then the corner to save as well).
struct StatusPlacement {
  ScreenPoint position;
  std::optional<ScreenPoint> save;
};
StatusPlacement PlaceStatusBar(ScreenPoint saved, ScreenSize size, const ScreenRect& workArea);

// Where the soft keyboard of the size goes: the bottom right of the work area; when the status
// bar's rectangle has a corner inside it, above the bar, or below it when there is no room above.
ScreenPoint PlaceSoftKeyboard(ScreenSize size, const ScreenRect& workArea, const std::optional<ScreenRect>& statusBar);

// The menu's check marks: the soft-keyboard item (the close item while the keyboard is off or the
// layout is not in the menu), the theme item (a package's id, or the built-in theme's).
uint16_t CheckedSoftKeyboardItem(bool softKeyboardOn, uint32_t layout);
uint32_t CheckedThemeItem(bool useTheme, int32_t currentIndex);

// The help page on the product's site; host is host[:port].
std::u16string HelpPageAddress(const std::u16string& host);

}  // namespace kellavor::ui
