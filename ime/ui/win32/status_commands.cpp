// The status bar's commands: its buttons' and its context menu's, run on the context of the UI
// window that owns the bar.
#include <windows.h>

#include <shellapi.h>

#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/imm_device.h"
#include "ime/platform/win32/wide.h"
#include "ime/settings/settings_store.h"
#include "ime/ui/win32/start_program.h"
#include "ime/ui/win32/status_bar.h"
#include "ime/ui/win32/theme_files.h"

namespace kellavor::ui {

using platform::Wide;

namespace {

constexpr char16_t kSettingsProgram[] = u"Orrisett.exe";

}  // namespace

void StatusBar::RunCommand(uint32_t id) {
  HIMC context = Context();
  // The context stays locked while the command runs.
  INPUTCONTEXT* fields = context != nullptr ? ImmLockIMC(context) : nullptr;
  if (fields == nullptr) return;
  Act(context, DecodeStatusCommand(id));
  ImmUnlockIMC(context);
}

void StatusBar::FlipConversion(HIMC context, uint32_t flag) {
  DWORD conversion = 0;
  DWORD sentence = 0;
  if (!ImmGetConversionStatus(context, &conversion, &sentence)) return;
  ImmSetConversionStatus(context, conversion ^ flag, sentence);
  // The manager tells the UI window, which repaints the bar; a manager that does not is covered.
  if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
}

void StatusBar::ShowSoftKeyboard(HIMC context, uint32_t layout) {
  DWORD conversion = 0;
  DWORD sentence = 0;
  if (!ImmGetConversionStatus(context, &conversion, &sentence)) return;
  if ((conversion & IME_CMODE_SOFTKBD) != 0) {
    softKeyboards_.DestroySoftKeyboard();
  } else {
    FlipConversion(context, IME_CMODE_SOFTKBD);
  }
  settings_.softkbdid = static_cast<uint16_t>(layout);
  HWND owner = window_ != nullptr ? GetWindow(window_, GW_OWNER) : nullptr;
  softKeyboards_.CreateSoftKeyboard(platform::ToWindowHandle(owner), layout);
}

void StatusBar::SaveSettings() const {
  if (!folders_.settingsFile.empty()) settings::SaveSettings(settings_, folders_.settingsFile);
}

void StatusBar::OpenCustomTarget() {
  switch (customKind_) {
    case CustomKind::kLink:
      ShellExecuteW(nullptr, L"Open", Wide(customTarget_), L"", nullptr, SW_SHOW);
      break;
    case CustomKind::kProgram:
      StartProgram(folders_.themeFolder, customTarget_, u"", SW_SHOW);
      break;
    case CustomKind::kNone:
      break;
  }
}

void StatusBar::Act(HIMC context, const StatusCommand& command) {
  const platform::ContextHandle handle = platform::ToContextHandle(context);
  switch (command.action) {
    case StatusAction::kNothing:
      break;
    case StatusAction::kMenu:
      RunMenu();
      break;
    case StatusAction::kFlipPunctuation:
      FlipConversion(context, IME_CMODE_SYMBOL);
      break;
    case StatusAction::kFlipWidth:
      FlipConversion(context, IME_CMODE_FULLSHAPE);
      break;
    case StatusAction::kSoftKeyboardOff:
      FlipConversion(context, IME_CMODE_SOFTKBD);
      softKeyboards_.DestroySoftKeyboard();
      break;
    case StatusAction::kSoftKeyboardOn:
      FlipConversion(context, IME_CMODE_SOFTKBD);
      ShowSoftKeyboard(context, settings_.softkbdid);
      break;
    case StatusAction::kToGerman:
      core_.SetInputMode(handle, core::kGermanMode);
      break;
    case StatusAction::kToPinyin:
      core_.SetInputMode(handle, core::kPinyinMode);
      break;
    case StatusAction::kFlipTraditional:
      settings_.big5mode = settings_.big5mode != 0 ? 0 : 1;
      if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
      SaveSettings();
      break;
    case StatusAction::kCustom:
      OpenCustomTarget();
      break;
    case StatusAction::kSettingsProgram:
      StartProgram(folders_.installFolder, kSettingsProgram, u"", SW_SHOW);
      break;
    case StatusAction::kHelpPage:
      ShellExecuteW(nullptr, L"Open", Wide(HelpPageAddress(settings_.producthost)), L"", nullptr, SW_SHOW);
      break;
    case StatusAction::kAboutBox:
      StartProgram(folders_.installFolder, kSettingsProgram, u"-about", SW_SHOW);
      break;
    case StatusAction::kBuiltInTheme:
      ApplyTheme(folders_.installFolder, u"");
      break;
    case StatusAction::kTheme: {
      std::vector<std::u16string> paths;
      std::vector<std::u16string> names;
      ListThemes(folders_.installFolder, folders_.userFolder, folders_.themeFolder, paths, names);
      if (command.argument < paths.size()) ApplyTheme(folders_.installFolder, paths[command.argument]);
      break;
    }
    case StatusAction::kSoftKeyboard:
      ShowSoftKeyboard(context, command.argument);
      break;
    case StatusAction::kCloseSoftKeyboard: {
      // Closing clears the bit rather than flipping it: flipped while off, it would switch on a
      // soft keyboard that takes keys without a window to show it.
      DWORD conversion = 0;
      DWORD sentence = 0;
      if (ImmGetConversionStatus(context, &conversion, &sentence) && (conversion & IME_CMODE_SOFTKBD) != 0) {
        FlipConversion(context, IME_CMODE_SOFTKBD);
      }
      softKeyboards_.DestroySoftKeyboard();
      SaveSettings();
      break;
    }
  }
}

void StatusBar::RunMenu() {
  HMENU menu = LoadMenuW(instance_, MAKEINTRESOURCEW(status_menu::kResource));
  if (menu == nullptr) return;
  HMENU popup = GetSubMenu(menu, 0);
  POINT cursor{};
  GetCursorPos(&cursor);
  HIMC context = Context();
  DWORD conversion = 0;
  DWORD sentence = 0;
  ImmGetConversionStatus(context, &conversion, &sentence);

  HMENU keyboards = GetSubMenu(popup, status_menu::kSoftKeyboardPopup);
  const uint16_t keyboard = CheckedSoftKeyboardItem((conversion & IME_CMODE_SOFTKBD) != 0, settings_.softkbdid);
  CheckMenuItem(keyboards, keyboard, MF_BYCOMMAND | MF_CHECKED);
  CheckMenuItem(popup, status_menu::kTraditional, MF_BYCOMMAND | (settings_.big5mode != 0 ? MF_CHECKED : MF_UNCHECKED));

  std::vector<std::u16string> paths;
  std::vector<std::u16string> names;
  const int current = ListThemes(folders_.installFolder, folders_.userFolder, folders_.themeFolder, paths, names);
  HMENU themes = GetSubMenu(popup, status_menu::kThemePopup);
  for (size_t i = 0; i < names.size(); ++i) {
    AppendMenuW(themes, MF_STRING, status_menu::kFirstTheme + i, Wide(names[i]));
  }
  CheckMenuItem(themes, CheckedThemeItem(settings_.usetheme != 0, current), MF_BYCOMMAND | MF_CHECKED);

  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(popup, TPM_RETURNCMD | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, window_, nullptr));
  DestroyMenu(menu);
  if (chosen >= status_menu::kFirstTheme) {
    if (chosen - status_menu::kFirstTheme < paths.size()) {
      ApplyTheme(folders_.installFolder, paths[chosen - status_menu::kFirstTheme]);
    }
  } else if (chosen != 0 && context != nullptr) {
    Act(context, DecodeStatusCommand(chosen));
  }
}

}  // namespace kellavor::ui
