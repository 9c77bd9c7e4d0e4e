#include "settings_program/win32/settings_dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <optional>

#include "ime/platform/file_system.h"
#include "ime/platform/private_profile.h"
#include "ime/settings/settings_store.h"
#include "ime/settings/win32/ext_event_broadcast.h"
#include "ime/settings/win32/ext_event_window.h"
#include "settings_program/ini_check.h"
#include "settings_program/settings_entries.h"
#include "settings_program/win32/dialog_ids.h"

namespace kellavor::settings_program {
namespace {

constexpr size_t kMaxSettingsFileBytes = 1u << 20;

struct ColorField {
  int edit;
  int pick;
  uint32_t settings::ImeSettings::*value;
};
constexpr ColorField kColors[] = {
    {IDC_COLOR_CAND, IDC_PICK_CAND, &settings::ImeSettings::candcolor},
    {IDC_COLOR_CANDHINT, IDC_PICK_CANDHINT, &settings::ImeSettings::candhintcolor},
    {IDC_COLOR_CANDSEL, IDC_PICK_CANDSEL, &settings::ImeSettings::candselcolor},
    {IDC_COLOR_COMP, IDC_PICK_COMP, &settings::ImeSettings::compcolor},
    {IDC_COLOR_COMPHINT, IDC_PICK_COMPHINT, &settings::ImeSettings::comphintcolor},
};

struct FontField {
  int edit;
  int pick;
  settings::FontSpec settings::ImeSettings::*value;
};
constexpr FontField kFonts[] = {
    {IDC_FONT_COMP, IDC_PICKFONT_COMP, &settings::ImeSettings::compfont},
    {IDC_FONT_CAND, IDC_PICKFONT_CAND, &settings::ImeSettings::candfont},
    {IDC_FONT_CANDEN, IDC_PICKFONT_CANDEN, &settings::ImeSettings::candfonten},
};

struct CheckField {
  int box;
  uint32_t settings::ImeSettings::*value;
};
constexpr CheckField kChecks[] = {
    {IDC_USELAST, &settings::ImeSettings::uselast},         {IDC_SENTENCE, &settings::ImeSettings::sentence_en},
    {IDC_ISCOMB, &settings::ImeSettings::iscomb},           {IDC_VERTICAL, &settings::ImeSettings::showmode},
    {IDC_CANDRIGHT, &settings::ImeSettings::candtrend},     {IDC_CUSTOMCOLOR, &settings::ImeSettings::customcolor},
    {IDC_HOTKEY_IM_ON, &settings::ImeSettings::imswitchkeyenable},
    {IDC_HOTKEY_MENU_ON, &settings::ImeSettings::menuhotktyenable},
    {IDC_HOTKEY_SOFTKBD_ON, &settings::ImeSettings::softkbdhotktyenable},
    {IDC_HOTKEY_ST_ON, &settings::ImeSettings::sthotktyenable},
    {IDC_PAGETAB, &settings::ImeSettings::pageturnbytab},   {IDC_PAGEPLUS, &settings::ImeSettings::pageturnbyplus},
    {IDC_USESPACE, &settings::ImeSettings::en_usespace},    {IDC_FUZZY, &settings::ImeSettings::usefuzzy},
    {IDC_DETAIL, &settings::ImeSettings::Detail_Show},      {IDC_USECUSTOM, &settings::ImeSettings::usecustom},
};

struct HotKeyField {
  int edit;
  uint32_t settings::ImeSettings::*value;
};
constexpr HotKeyField kHotKeys[] = {
    {IDC_HOTKEY_IM, &settings::ImeSettings::imswitchkey},
    {IDC_HOTKEY_MENU, &settings::ImeSettings::menuhotkty},
    {IDC_HOTKEY_SOFTKBD, &settings::ImeSettings::softkbdhotkty},
    {IDC_HOTKEY_ST, &settings::ImeSettings::sthotkty},
};

// The keys that may be tapped alone to switch to German mode and back.
constexpr uint32_t kModeKeys[] = {VK_SHIFT, VK_CONTROL};

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::u16string ItemText(HWND dialog, int id) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, id, text, 512);
  return reinterpret_cast<const char16_t*>(text);
}

class SettingsDialog {
 public:
  explicit SettingsDialog(std::u16string userFolder)
      : userFolder_(std::move(userFolder)), settingsFile_(userFolder_ + u"config.ini") {}

  INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
      case WM_INITDIALOG:
        dialog_ = dialog;
        Load();
        return TRUE;
      case WM_COMMAND:
        return Command(LOWORD(wParam));
      case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      default:
        return FALSE;
    }
  }

 private:
  // Whether the file may be written: missing, or readable as INI.
  bool FileIsWritable() const {
    if (!platform::FileSize(settingsFile_).has_value()) return true;
    const std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(settingsFile_, kMaxSettingsFileBytes);
    return bytes.has_value() && IsWritableIni(*bytes);
  }

  void Notice(const wchar_t* text) { SetDlgItemTextW(dialog_, IDC_NOTICE, text); }

  void Load() {
    writable_ = FileIsWritable();
    settings::LoadSettings(before_, writable_ ? settingsFile_ : u"");
    Show(before_);
    if (!writable_) {
      Notice(L"config.ini 无法解析, 设置不会被保存。");
      EnableWindow(GetDlgItem(dialog_, IDOK), FALSE);
      EnableWindow(GetDlgItem(dialog_, IDC_APPLY), FALSE);
    }
  }

  void Show(const settings::ImeSettings& s) {
    for (const CheckField& check : kChecks) CheckDlgButton(dialog_, check.box, s.*check.value != 0 ? BST_CHECKED : BST_UNCHECKED);
    HWND modes = GetDlgItem(dialog_, IDC_STARTMODE);
    SendMessageW(modes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"拼音"));
    SendMessageW(modes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"德语"));
    SendMessageW(modes, CB_SETCURSEL, s.defaultinputmode == 1 ? 1 : 0, 0);
    SendDlgItemMessageW(dialog_, IDC_PAGESIZE_SPIN, UDM_SETRANGE32, 1, 9);
    SetDlgItemInt(dialog_, IDC_PAGESIZE, s.numofpage, FALSE);
    for (const ColorField& color : kColors) SetDlgItemTextW(dialog_, color.edit, Wide(FormatColor(s.*color.value)));
    for (const FontField& font : kFonts) SetDlgItemTextW(dialog_, font.edit, Wide(FormatFont(s.*font.value)));
    HWND modeKey = GetDlgItem(dialog_, IDC_MODEKEY);
    SendMessageW(modeKey, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Shift"));
    SendMessageW(modeKey, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Ctrl"));
    SendMessageW(modeKey, CB_SETCURSEL, s.encnswitchkey == VK_CONTROL ? 1 : 0, 0);
    for (const HotKeyField& key : kHotKeys) SetDlgItemTextW(dialog_, key.edit, Wide(FormatHotKey(s.*key.value)));
    SetDlgItemInt(dialog_, IDC_DETAILDELAY, s.Detail_ShowDelay, FALSE);
  }

  // The dialog's values over before_; none, with the faulty field focused and named, when one of
  // them is not valid.
  std::optional<settings::ImeSettings> Read() {
    settings::ImeSettings s = before_;
    for (const CheckField& check : kChecks) s.*check.value = IsDlgButtonChecked(dialog_, check.box) == BST_CHECKED ? 1 : 0;
    s.defaultinputmode = SendDlgItemMessageW(dialog_, IDC_STARTMODE, CB_GETCURSEL, 0, 0) == 1 ? 1 : 0;
    BOOL ok = FALSE;
    const UINT page = GetDlgItemInt(dialog_, IDC_PAGESIZE, &ok, FALSE);
    if (!ok || page < 1 || page > 9) return Fault(IDC_PAGESIZE, L"每页候选数应为 1 到 9。");
    s.numofpage = static_cast<uint16_t>(page);
    for (const ColorField& color : kColors) {
      const std::optional<uint32_t> value = ParseColor(ItemText(dialog_, color.edit));
      if (!value) return Fault(color.edit, L"颜色应写作 红,绿,蓝 (各 0 到 255)。");
      s.*color.value = *value;
    }
    for (const FontField& font : kFonts) {
      const std::optional<settings::FontSpec> value = ParseFont(ItemText(dialog_, font.edit));
      if (!value) return Fault(font.edit, L"字体应写作 大小,字体名,粗细。");
      s.*font.value = *value;
    }
    const LRESULT modeKey = SendDlgItemMessageW(dialog_, IDC_MODEKEY, CB_GETCURSEL, 0, 0);
    s.encnswitchkey = kModeKeys[modeKey == 1 ? 1 : 0];
    for (const HotKeyField& key : kHotKeys) {
      const std::optional<uint32_t> value = ParseHotKey(ItemText(dialog_, key.edit));
      if (!value) return Fault(key.edit, L"热键应为一个字母或数字。");
      s.*key.value = *value;
    }
    const UINT delay = GetDlgItemInt(dialog_, IDC_DETAILDELAY, &ok, FALSE);
    if (!ok || delay > 10000) return Fault(IDC_DETAILDELAY, L"延迟应为 0 到 10000 毫秒。");
    s.Detail_ShowDelay = delay;
    return s;
  }

  std::nullopt_t Fault(int id, const wchar_t* text) {
    Notice(text);
    HWND field = GetDlgItem(dialog_, id);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    MessageBeep(MB_ICONWARNING);
    return std::nullopt;
  }

  // Writes what changed and tells the modules; false when nothing could be saved.
  bool Save() {
    if (!writable_) return false;
    const std::optional<settings::ImeSettings> after = Read();
    if (!after) return false;
    // The file may have been replaced since the dialog opened.
    if (!FileIsWritable()) {
      Notice(L"config.ini 无法解析, 设置不会被保存。");
      return false;
    }
    for (const IniEntry& entry : ChangedEntries(before_, *after)) {
      if (!platform::WriteProfileValue(entry.section, entry.key, entry.value, settingsFile_)) {
        Notice(L"config.ini 无法写入。");
        return false;
      }
    }
    before_ = *after;
    Notice(L"");
    settings::SendToEveryEventWindow(settings::WM_IMEEXT_RELOADSETTINGS);
    return true;
  }

  void PickColor(const ColorField& field) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog_;
    choice.rgbResult = ParseColor(ItemText(dialog_, field.edit)).value_or(0);
    choice.lpCustColors = custom;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&choice)) SetDlgItemTextW(dialog_, field.edit, Wide(FormatColor(choice.rgbResult)));
  }

  void PickFont(const FontField& field) {
    const settings::FontSpec current = ParseFont(ItemText(dialog_, field.edit)).value_or(before_.*field.value);
    LOGFONTW font{};
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(current.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfWeight = current.weight;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, Wide(current.face), LF_FACESIZE);
    CHOOSEFONTW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog_;
    choice.lpLogFont = &font;
    choice.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_NOVERTFONTS;
    if (!ChooseFontW(&choice)) return;
    const settings::FontSpec chosen{reinterpret_cast<const char16_t*>(font.lfFaceName),
                                    static_cast<uint16_t>(choice.iPointSize / 10), static_cast<uint16_t>(font.lfWeight)};
    SetDlgItemTextW(dialog_, field.edit, Wide(FormatFont(chosen)));
  }

  INT_PTR Command(int id) {
    switch (id) {
      case IDOK:
        if (Save()) EndDialog(dialog_, IDOK);
        return TRUE;
      case IDC_APPLY:
        Save();
        return TRUE;
      case IDCANCEL:
        EndDialog(dialog_, IDCANCEL);
        return TRUE;
      case IDC_EDITCUSTOM: {
        const std::u16string file = u"\"" + userFolder_ + u"custom.ini\"";
        ShellExecuteW(dialog_, L"open", L"notepad.exe", Wide(file), nullptr, SW_SHOWNORMAL);
        return TRUE;
      }
      default:
        break;
    }
    for (const ColorField& color : kColors) {
      if (id == color.pick) PickColor(color);
    }
    for (const FontField& font : kFonts) {
      if (id == font.pick) PickFont(font);
    }
    return FALSE;
  }

  std::u16string userFolder_;
  std::u16string settingsFile_;
  HWND dialog_ = nullptr;
  bool writable_ = false;
  settings::ImeSettings before_;
};

INT_PTR CALLBACK SettingsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  auto* state = reinterpret_cast<SettingsDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  return state == nullptr ? FALSE : state->Handle(dialog, message, wParam);
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if ((message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) || message == WM_CLOSE) {
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

void RunSettingsDialog(HINSTANCE instance, const std::u16string& userFolder) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  SettingsDialog state(userFolder);
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS), nullptr, SettingsProcedure, reinterpret_cast<LPARAM>(&state));
}

void RunAboutBox(HINSTANCE instance) {
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT), nullptr, AboutProcedure, 0);
}

}  // namespace kellavor::settings_program
