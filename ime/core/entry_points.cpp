#include "ime/core/entry_points.h"

#include <cstring>

#include "ime/core/context_blocks.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::core {

using platform::IsHeld;
using platform::kKeyReleased;

namespace {

// The key flags ImeToAsciiEx works with: the scan code, with the release bit set when the keyboard
// state shows the key up. Some managers (Wine's 32-bit one) hand over the scan code of a release
// without that bit.
uint32_t KeyFlagsOf(uint32_t virtualKey, uint32_t scanCode, const platform::KeyState& keyState) {
  return IsHeld(keyState, virtualKey & 0xFF) ? scanCode : scanCode | kKeyReleased;
}

}  // namespace

bool ImeSelect(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context, bool select) {
  if (context == nullptr) return true;
  const platform::ContextLock locked(port, context);
  if (!locked) return true;
  if (select) {
    port.SetOpen(locked.fields(), true);
    RecreateContextBlocks(port, locked);
  }
  if (core != nullptr) core->ActivateContext(locked, select);
  return true;
}

bool ImeProcessKey(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context,
                   uint32_t virtualKey, uint32_t keyData, const platform::KeyState& keyState) {
  if (core == nullptr || context == nullptr) return false;
  const platform::ContextLock locked(port, context);
  if (!locked) return false;
  core->SetContext(context);
  return port.IsOpen(locked.fields()) && core->ClaimsKey(virtualKey, keyData >> 16, keyState);
}

uint32_t ImeToAsciiEx(platform::InputMethodPort& port, ImeCore* core, uint32_t virtualKey, uint32_t scanCode,
                      const platform::KeyState& keyState, void* translationList, uint32_t /*state*/,
                      platform::ContextHandle context) {
  if (core == nullptr || context == nullptr) return 0;
  const platform::ContextLock locked(port, context);
  if (!locked) return 0;
  core->SetContext(context);
  if (!port.IsOpen(locked.fields())) return 0;
  return core->HandleKey(locked, virtualKey & 0xFFFF, KeyFlagsOf(virtualKey, scanCode, keyState), keyState,
                         translationList);
}

bool NotifyIME(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context, uint32_t action,
               uint32_t index, uint32_t value) {
  if (action == kNiContextUpdated) {
    if (value != kImcSetOpenStatus) return false;
    // The module keeps nothing of the open status; the context is only locked and released.
    const platform::ContextLock locked(port, context);
    return true;
  }
  if (action == kNiCompositionStr && index == kCpsCancel && core != nullptr) {
    core->SetContext(context);
    core->Reset(true);
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
