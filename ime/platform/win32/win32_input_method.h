// The input-method port on the real input-method manager: every call forwards to imm32 or user32.
#pragma once

#include "ime/platform/ime_port.h"

namespace kellavor::platform {

class Win32InputMethod final : public InputMethodPort {
 public:
  WindowHandle ContextWindow(LockedContext context) override;
  bool IsOpen(LockedContext context) override;
  void SetOpen(LockedContext context, bool open) override;
  BlockHandle CompositionStringBlock(LockedContext context) override;
  void SetCompositionStringBlock(LockedContext context, BlockHandle block) override;
  BlockHandle CandidateInfoBlock(LockedContext context) override;
  void SetCandidateInfoBlock(LockedContext context, BlockHandle block) override;

  bool AppendBufferedMessage(LockedContext context, const ImeMessage& message) override;
  void GenerateMessages(ContextHandle context) override;

  std::optional<ConversionStatus> GetConversionStatus(ContextHandle context) override;
  bool SetConversionStatus(ContextHandle context, ConversionStatus status) override;

  BlockHandle CreateBlock(size_t size) override;
  BlockHandle ResizeBlock(BlockHandle block, size_t size) override;
  void DestroyBlock(BlockHandle block) override;

  std::u16string ToAscii(uint32_t virtualKey, uint32_t scanCode, const KeyState& keyState) override;
  KeyState GetKeyboardState() override;
  int16_t GetKeyState(uint32_t virtualKey) override;

  WindowHandle OwnerWindow(WindowHandle window) override;
  WindowHandle ForegroundWindow() override;
  bool IsWindow(WindowHandle window) override;
  bool IsWindowVisible(WindowHandle window) override;
  intptr_t SendToWindow(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void InvalidateWindow(WindowHandle window, bool eraseBackground) override;

  bool SetClipboardText(WindowHandle owner, std::u16string_view text) override;
  void SendKeyEvent(uint8_t virtualKey, bool keyUp) override;

 private:
  LockedContext LockContext(ContextHandle context) override;
  void UnlockContext(ContextHandle context) override;
  std::span<uint8_t> LockBlock(BlockHandle block) override;
  void UnlockBlock(BlockHandle block) override;
};

}  // namespace kellavor::platform
