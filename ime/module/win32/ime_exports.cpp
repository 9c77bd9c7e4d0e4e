// The fifteen entry points through which the input-method manager drives the module. Each starts
// the module if it has not been started and hands over to the engine's entry points on the Win32
// port; none lets an exception out. Without the module (it could not be started) they decline as
// they would without the engine.
#include <windows.h>

#include <cstring>

#include "ime/core/entry_points.h"
#include "ime/module/win32/module_lifecycle.h"
#include "ime/platform/call_guarded.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/imm_device.h"
#include "ime/ui/win32/start_program.h"

namespace {

using kellavor::module::ImeModule;
using kellavor::module::StartedModule;
using kellavor::platform::CallGuarded;
using kellavor::platform::ToContextHandle;

kellavor::platform::KeyState KeyStateOf(const BYTE* keyState) {
  kellavor::platform::KeyState state{};
  if (keyState != nullptr) std::memcpy(state.data(), keyState, state.size());
  return state;
}

}  // namespace

extern "C" {

BOOL WINAPI ImeInquire(IMEINFO* info, wchar_t* uiClassName, DWORD) {
  return CallGuarded<BOOL>(FALSE, [&] {
    StartedModule();
    if (info == nullptr || uiClassName == nullptr) return FALSE;
    const kellavor::core::ImeInfo& described = kellavor::core::kImeInfo;
    info->dwPrivateDataSize = described.privateDataSize;
    info->fdwProperty = described.property;
    info->fdwConversionCaps = described.conversionCaps;
    info->fdwSentenceCaps = described.sentenceCaps;
    info->fdwUICaps = described.uiCaps;
    info->fdwSCSCaps = described.scsCaps;
    info->fdwSelectCaps = described.selectCaps;
    const std::u16string_view name = kellavor::platform::kUiWindowClass;
    std::memcpy(uiClassName, name.data(), name.size() * sizeof(char16_t));
    uiClassName[name.size()] = L'\0';
    return TRUE;
  });
}

BOOL WINAPI ImeSelect(HIMC context, BOOL select) {
  return CallGuarded<BOOL>(TRUE, [&] {
    ImeModule* module = StartedModule();
    if (module == nullptr) return TRUE;
    return static_cast<BOOL>(
        kellavor::core::ImeSelect(module->port(), module->core(), ToContextHandle(context), select != FALSE));
  });
}

BOOL WINAPI ImeSetActiveContext(HIMC, BOOL) { return TRUE; }

BOOL WINAPI ImeProcessKey(HIMC context, UINT virtualKey, LPARAM keyData, const BYTE* keyState) {
  return CallGuarded<BOOL>(FALSE, [&] {
    ImeModule* module = StartedModule();
    if (module == nullptr) return FALSE;
    return static_cast<BOOL>(kellavor::core::ImeProcessKey(module->port(), module->core(), ToContextHandle(context),
                                                           virtualKey, static_cast<uint32_t>(keyData),
                                                           KeyStateOf(keyState)));
  });
}

UINT WINAPI ImeToAsciiEx(UINT virtualKey, UINT scanCode, const BYTE* keyState, TRANSMSGLIST* translationList,
                         UINT state, HIMC context) {
  return CallGuarded<UINT>(0, [&]() -> UINT {
    ImeModule* module = StartedModule();
    if (module == nullptr) return 0;
    return kellavor::core::ImeToAsciiEx(module->port(), module->core(), virtualKey, scanCode, KeyStateOf(keyState),
                                        translationList, state, ToContextHandle(context));
  });
}

BOOL WINAPI NotifyIME(HIMC context, DWORD action, DWORD index, DWORD value) {
  return CallGuarded<BOOL>(FALSE, [&] {
    ImeModule* module = StartedModule();
    if (module == nullptr) return FALSE;
    return static_cast<BOOL>(
        kellavor::core::NotifyIME(module->port(), module->core(), ToContextHandle(context), action, index, value));
  });
}

LRESULT WINAPI ImeEscape(HIMC, UINT subFunction, void* data) {
  return CallGuarded<LRESULT>(FALSE, [&] { return static_cast<LRESULT>(kellavor::core::ImeEscape(subFunction, data)); });
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
