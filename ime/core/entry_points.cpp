#include "ime/core/entry_points.h"

#include <cstring>

#include "ime/core/context_blocks.h"
#include "ime/core/virtual_keys.h"

namespace kellavor::core {

bool ImeSelect(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context, bool select) {
  if (context == nullptr) return true;
  const platform::LockedContext locked = port.LockContext(context);
  if (locked == nullptr) return true;
  if (select) {
    port.SetOpen(locked, true);
    RecreateContextBlocks(port, locked);
  }
  if (core != nullptr) core->ActivateContext(context, select);
  port.UnlockContext(context);
  return true;
}

bool ImeProcessKey(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context,
                   uint32_t virtualKey, uint32_t keyData, const platform::KeyState& keyState) {
  if (core == nullptr || context == nullptr) return false;
  const platform::LockedContext locked = port.LockContext(context);
  if (locked == nullptr) return false;
  core->SetContext(context);
  bool claimed = false;
  if (port.IsOpen(locked)) {
    const uint32_t keyFlags = keyData >> 16;
    claimed = core->ClaimsFunctionKey(virtualKey, keyFlags, keyState);
    if (!claimed && (virtualKey == vk::kControl || !IsHeld(keyState, vk::kControl))) {
      claimed = core->ClaimsPunctuationKey(virtualKey) || core->ClaimsCharacterKey(virtualKey, keyFlags, keyState);
    }
  }
  port.UnlockContext(context);
  return claimed;
}

uint32_t ImeToAsciiEx(platform::InputMethodPort& port, ImeCore* core, uint32_t virtualKey, uint32_t scanCode,
                      const platform::KeyState& keyState, void* translationList, uint32_t /*state*/,
                      platform::ContextHandle context) {
  if (core == nullptr || context == nullptr) return 0;
  const platform::LockedContext locked = port.LockContext(context);
  if (locked == nullptr) return 0;
  core->Messages().BeginTranslation(translationList);
  core->SetContext(context);
  if (port.IsOpen(locked)) {
    const uint32_t key = virtualKey & 0xFFFF;
    if (!core->HandleFunctionKey(key, scanCode, keyState)) core->HandleCharacterKey(key, scanCode, keyState);
  }
  port.UnlockContext(context);
  return core->Messages().EndTranslation();
}

bool NotifyIME(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context, uint32_t action,
               uint32_t index, uint32_t value) {
  if (action == kNiContextUpdated) {
    if (value != kImcSetOpenStatus) return false;
    if (port.LockContext(context) != nullptr) port.UnlockContext(context);
    return true;
  }
  if (action == kNiCompositionStr && index == kCpsCancel && core != nullptr) {
    const bool locked = port.LockContext(context) != nullptr;
    core->SetContext(context);
    core->Reset(true);
    if (locked) port.UnlockContext(context);
  }
  return false;
}

intptr_t ImeEscape(uint32_t subFunction, void* data) {
  switch (subFunction) {
    case kImeEscQuerySupport: {
      if (data == nullptr) return 0;
      uint32_t asked = 0;
      std::memcpy(&asked, data, sizeof(asked));
      return asked == kImeEscQuerySupport || asked == kImeEscMaxKey || asked == kImeEscImeName ||
             asked == kImeEscGetHelpFileName;
    }
    case kImeEscMaxKey: return 4;
    case kImeEscImeName:
      if (data == nullptr) return 0;
      std::memcpy(data, kImeDisplayName.data(), kImeDisplayName.size() * sizeof(char16_t));
      std::memset(static_cast<char16_t*>(data) + kImeDisplayName.size(), 0, sizeof(char16_t));
      return 1;
    case kImeEscGetHelpFileName: return 1;
    default: return 0;
  }
}

}  // namespace kellavor::core
