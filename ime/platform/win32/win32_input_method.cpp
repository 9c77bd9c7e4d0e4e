#include "ime/platform/win32/win32_input_method.h"

#include <cstring>
#include <limits>

#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/wide.h"

namespace kellavor::platform {

LockedContext Win32InputMethod::LockContext(ContextHandle context) {
  if (context == nullptr) return nullptr;
  return ToLockedContext(ImmLockIMC(ToHimc(context)));
}

void Win32InputMethod::UnlockContext(ContextHandle context) {
  if (context != nullptr) ImmUnlockIMC(ToHimc(context));
}

WindowHandle Win32InputMethod::ContextWindow(LockedContext context) { return ToWindowHandle(ToInputContext(context)->hWnd); }

bool Win32InputMethod::IsOpen(LockedContext context) { return ToInputContext(context)->fOpen != FALSE; }

void Win32InputMethod::SetOpen(LockedContext context, bool open) { ToInputContext(context)->fOpen = open ? TRUE : FALSE; }

BlockHandle Win32InputMethod::CompositionStringBlock(LockedContext context) {
  return ToBlockHandle(ToInputContext(context)->hCompStr);
}

void Win32InputMethod::SetCompositionStringBlock(LockedContext context, BlockHandle block) {
  ToInputContext(context)->hCompStr = ToHimcc(block);
}

BlockHandle Win32InputMethod::CandidateInfoBlock(LockedContext context) {
  return ToBlockHandle(ToInputContext(context)->hCandInfo);
}

void Win32InputMethod::SetCandidateInfoBlock(LockedContext context, BlockHandle block) {
  ToInputContext(context)->hCandInfo = ToHimcc(block);
}

bool Win32InputMethod::AppendBufferedMessage(LockedContext context, const ImeMessage& message) {
  INPUTCONTEXT* fields = ToInputContext(context);
  const DWORD count = fields->dwNumMsgBuf;
  if (count >= std::numeric_limits<DWORD>::max() / sizeof(TRANSMSG) - 1) return false;
  const DWORD bytes = static_cast<DWORD>((count + 1) * sizeof(TRANSMSG));
  HIMCC buffer = fields->hMsgBuf != nullptr ? ImmReSizeIMCC(fields->hMsgBuf, bytes) : ImmCreateIMCC(bytes);
  if (buffer == nullptr) return false;
  fields->hMsgBuf = buffer;
  auto* records = static_cast<TRANSMSG*>(ImmLockIMCC(buffer));
  if (records == nullptr) return false;
  records[count] = TRANSMSG{message.message, message.wParam, message.lParam};
  ImmUnlockIMCC(buffer);
  fields->dwNumMsgBuf = count + 1;
  return true;
}

void Win32InputMethod::GenerateMessages(ContextHandle context) {
  if (context != nullptr) ImmGenerateMessage(ToHimc(context));
}

std::optional<ConversionStatus> Win32InputMethod::GetConversionStatus(ContextHandle context) {
  DWORD conversion = 0;
  DWORD sentence = 0;
  if (context == nullptr || !ImmGetConversionStatus(ToHimc(context), &conversion, &sentence)) return std::nullopt;
  return ConversionStatus{conversion, sentence};
}

bool Win32InputMethod::SetConversionStatus(ContextHandle context, ConversionStatus status) {
  return context != nullptr && ImmSetConversionStatus(ToHimc(context), status.conversion, status.sentence) != FALSE;
}

BlockHandle Win32InputMethod::CreateBlock(size_t size) {
  if (size > std::numeric_limits<DWORD>::max()) return nullptr;
  return ToBlockHandle(ImmCreateIMCC(static_cast<DWORD>(size)));
}

BlockHandle Win32InputMethod::ResizeBlock(BlockHandle block, size_t size) {
  if (block == nullptr || size > std::numeric_limits<DWORD>::max()) return nullptr;
  return ToBlockHandle(ImmReSizeIMCC(ToHimcc(block), static_cast<DWORD>(size)));
}

std::span<uint8_t> Win32InputMethod::LockBlock(BlockHandle block) {
  if (block == nullptr) return {};
  auto* bytes = static_cast<uint8_t*>(ImmLockIMCC(ToHimcc(block)));
  if (bytes == nullptr) return {};
  const DWORD size = ImmGetIMCCSize(ToHimcc(block));
  if (size == 0) {
    ImmUnlockIMCC(ToHimcc(block));
    return {};
  }
  return {bytes, size};
}

void Win32InputMethod::UnlockBlock(BlockHandle block) {
  if (block != nullptr) ImmUnlockIMCC(ToHimcc(block));
}

void Win32InputMethod::DestroyBlock(BlockHandle block) {
  if (block != nullptr) ImmDestroyIMCC(ToHimcc(block));
}

std::u16string Win32InputMethod::ToAscii(uint32_t virtualKey, uint32_t scanCode, const KeyState& keyState) {
  WORD packed = 0;
  const int count = ::ToAscii(virtualKey, scanCode, keyState.data(), &packed, 0);
  if (count <= 0) return {};
  // ToAscii packs its one or two code-page characters into the bytes of one WORD.
  const char bytes[2] = {static_cast<char>(packed & 0xFF), static_cast<char>(packed >> 8)};
  wchar_t units[2] = {};
  const int converted = MultiByteToWideChar(CP_ACP, 0, bytes, count > 1 ? 2 : 1, units, 2);
  return std::u16string(Utf16(units), converted > 0 ? static_cast<size_t>(converted) : 0);
}

KeyState Win32InputMethod::GetKeyboardState() {
  KeyState state {};
  if (!::GetKeyboardState(state.data())) state.fill(0);
  return state;
}

int16_t Win32InputMethod::GetKeyState(uint32_t virtualKey) { return ::GetKeyState(static_cast<int>(virtualKey)); }

WindowHandle Win32InputMethod::OwnerWindow(WindowHandle window) {
  if (window == nullptr) return nullptr;
  return ToWindowHandle(GetWindow(ToHwnd(window), GW_OWNER));
}

WindowHandle Win32InputMethod::ForegroundWindow() { return ToWindowHandle(GetForegroundWindow()); }

bool Win32InputMethod::IsWindow(WindowHandle window) { return window != nullptr && ::IsWindow(ToHwnd(window)); }

bool Win32InputMethod::IsWindowVisible(WindowHandle window) {
  return window != nullptr && ::IsWindowVisible(ToHwnd(window));
}

intptr_t Win32InputMethod::SendToWindow(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (window == nullptr) return 0;
  return SendMessageW(ToHwnd(window), message, wParam, lParam);
}

void Win32InputMethod::InvalidateWindow(WindowHandle window, bool eraseBackground) {
  if (window != nullptr) InvalidateRect(ToHwnd(window), nullptr, eraseBackground ? TRUE : FALSE);
}

bool Win32InputMethod::SetClipboardText(WindowHandle owner, std::u16string_view text) {
  if (!OpenClipboard(ToHwnd(owner))) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(char16_t);
  bool placed = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes)) {
    if (void* target = GlobalLock(memory)) {
      std::memcpy(target, text.data(), text.size() * sizeof(char16_t));
      static_cast<char16_t*>(target)[text.size()] = 0;
      GlobalUnlock(memory);
      placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!placed) GlobalFree(memory);
  }
  CloseClipboard();
  return placed;
}

void Win32InputMethod::SendKeyEvent(uint8_t virtualKey, bool keyUp) {
  const auto scan = static_cast<BYTE>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  keybd_event(virtualKey, scan, keyUp ? KEYEVENTF_KEYUP : 0, 0);
}

}  // namespace kellavor::platform
