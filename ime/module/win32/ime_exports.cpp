// The fifteen entry points through which the input-method manager drives the module. Each starts
// the module if it has not been started, and none lets an exception out.
#include <windows.h>

#include <cstring>

#include "ime/module/win32/module_lifecycle.h"
#include "ime/platform/call_guarded.h"
#include "ime/platform/win32/imm_device.h"
#include "ime/ui/win32/start_program.h"
#include "ime/ui/win32/window_classes.h"

namespace {

using kellavor::module::ImeModule;
using kellavor::module::StartedModule;
using kellavor::platform::CallGuarded;

constexpr DWORD kImeProperties = 0x00000002 /* IME_PROP_KBD_CHAR_FIRST */ | IME_PROP_SPECIAL_UI |
                                 IME_PROP_CANDLIST_START_FROM_1 | IME_PROP_UNICODE | IME_PROP_COMPLETE_ON_UNSELECT;
constexpr DWORD kConversionCaps =
    IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_CHARCODE | IME_CMODE_SOFTKBD | IME_CMODE_NOCONVERSION;
constexpr DWORD kUiCaps = UI_CAP_2700 | 0x00010000 /* UI_CAP_SOFTKBD */;

constexpr DWORD kContextUpdated = 0x0003;  // NI_CONTEXTUPDATED
constexpr DWORD kSetOpenStatus = 0x0006;   // IMC_SETOPENSTATUS

constexpr UINT kEscapeQuerySupport = 0x0003;
constexpr UINT kEscapeMaxKey = 0x1005;
constexpr UINT kEscapeImeName = 0x1006;
constexpr UINT kEscapeHelpFileName = 0x100B;
constexpr wchar_t kDisplayName[] = L"Veltrani";

}  // namespace

extern "C" {

BOOL WINAPI ImeInquire(IMEINFO* info, wchar_t* uiClassName, DWORD) {
  return CallGuarded<BOOL>(FALSE, [&] {
    StartedModule();
    if (info == nullptr || uiClassName == nullptr) return FALSE;
    *info = IMEINFO{};
    info->dwPrivateDataSize = 0;
    info->fdwProperty = kImeProperties;
    info->fdwConversionCaps = kConversionCaps;
    info->fdwSentenceCaps = 0;
    info->fdwUICaps = kUiCaps;
    info->fdwSCSCaps = SCS_CAP_COMPSTR | SCS_CAP_MAKEREAD;
    info->fdwSelectCaps = SELECT_CAP_CONVERSION;
    std::memcpy(uiClassName, kellavor::ui::kUiClassName, sizeof kellavor::ui::kUiClassName);
    return TRUE;
  });
}

BOOL WINAPI ImeSelect(HIMC, BOOL) {
  return CallGuarded<BOOL>(TRUE, [] {
    StartedModule();
    return TRUE;
  });
}

BOOL WINAPI ImeSetActiveContext(HIMC, BOOL) { return TRUE; }

BOOL WINAPI ImeProcessKey(HIMC, UINT, LPARAM, const BYTE*) { return FALSE; }

UINT WINAPI ImeToAsciiEx(UINT, UINT, const BYTE*, TRANSMSGLIST*, UINT, HIMC) { return 0; }

BOOL WINAPI NotifyIME(HIMC context, DWORD action, DWORD, DWORD value) {
  return CallGuarded<BOOL>(FALSE, [&] {
    if (action != kContextUpdated || value != kSetOpenStatus || context == nullptr) return FALSE;
    if (ImmLockIMC(context) != nullptr) ImmUnlockIMC(context);
    return TRUE;
  });
}

LRESULT WINAPI ImeEscape(HIMC, UINT subFunction, void* data) {
  switch (subFunction) {
    case kEscapeQuerySupport: {
      if (data == nullptr) return FALSE;
      UINT asked = 0;
      std::memcpy(&asked, data, sizeof asked);
      return asked == kEscapeQuerySupport || asked == kEscapeMaxKey || asked == kEscapeImeName ||
             asked == kEscapeHelpFileName;
    }
    case kEscapeMaxKey:
      return 4;
    case kEscapeImeName:
      if (data == nullptr) return FALSE;
      std::memcpy(data, kDisplayName, sizeof kDisplayName);
      return TRUE;
    case kEscapeHelpFileName:
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL WINAPI ImeConfigure(HKL, HWND window, DWORD, void*) {
  return CallGuarded<BOOL>(TRUE, [&] {
    if (ImeModule* module = StartedModule(); module != nullptr) {
      kellavor::ui::StartProgram(module->paths().installFolder, u"Orrisett.exe", u"", SW_SHOW);
    }
    if (window != nullptr) InvalidateRect(window, nullptr, FALSE);
    return TRUE;
  });
}

// The seven the module accepts and ignores. Each keeps its own parameter list: on 32-bit Windows
// the called function clears its arguments from the stack, so one function could not stand for
// all seven.
DWORD WINAPI ImeConversionList(HIMC, const wchar_t*, CANDIDATELIST*, DWORD, UINT) { return 0; }
BOOL WINAPI ImeDestroy(UINT) { return 0; }
UINT WINAPI ImeEnumRegisterWord(REGISTERWORDENUMPROCW, const wchar_t*, DWORD, const wchar_t*, void*) { return 0; }
UINT WINAPI ImeGetRegisterWordStyle(UINT, STYLEBUFW*) { return 0; }
BOOL WINAPI ImeRegisterWord(const wchar_t*, DWORD, const wchar_t*) { return 0; }
BOOL WINAPI ImeSetCompositionString(HIMC, DWORD, const void*, DWORD, const void*, DWORD) { return 0; }
BOOL WINAPI ImeUnregisterWord(const wchar_t*, DWORD, const wchar_t*) { return 0; }

}  // extern "C"
