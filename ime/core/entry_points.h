// The portable half of the module's input-method entry points: what ImeInquire reports, and what
// ImeSelect, ImeProcessKey, ImeToAsciiEx, NotifyIME and ImeEscape do, as functions on the port.
// The Windows module only exports them; the console front end calls them directly. The engine
// may be absent (module shutting down): the functions then decline.
#pragma once

#include <cstdint>
#include <string_view>

#include "ime/core/ime_core.h"
#include "ime/platform/ime_port.h"

namespace kellavor::core {

// The module's description, field by field as ImeInquire fills it in.
struct ImeInfo {
  uint32_t privateDataSize = 0;
  // Keyboard characters first, special UI, candidate lists counted from 1, Unicode, complete on
  // unselect.
  uint32_t property = 0x001E0002;
  // Native, full shape, character code, soft keyboard, no conversion.
  uint32_t conversionCaps = 0x01A9;
  uint32_t sentenceCaps = 0;
  uint32_t uiCaps = 0x00010001;  // UI_CAP_2700 and the soft keyboard
  uint32_t scsCaps = 3;          // composition string set, reading made
  uint32_t selectCaps = 1;       // conversion mode kept on select
};

inline constexpr ImeInfo kImeInfo{};

// The name the module gives itself when asked.
inline constexpr std::u16string_view kImeDisplayName = u"Veltrani";

// NotifyIME actions and their arguments.
inline constexpr uint32_t kNiContextUpdated = 0x0003;
inline constexpr uint32_t kImcSetOpenStatus = 0x0006;
inline constexpr uint32_t kNiCompositionStr = 0x0015;
inline constexpr uint32_t kCpsCancel = 0x0004;

// ImeEscape sub-functions.
inline constexpr uint32_t kImeEscQuerySupport = 0x0003;
inline constexpr uint32_t kImeEscMaxKey = 0x1005;
inline constexpr uint32_t kImeEscImeName = 0x1006;
inline constexpr uint32_t kImeEscGetHelpFileName = 0x100B;

// Opens the context and gives it fresh blocks when the module is selected for it, then lets the
// engine take it up. Always true.
bool ImeSelect(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context, bool select);

// Whether the module takes the key. keyData as the manager passes it: the key flags in its high 16
// bits.
bool ImeProcessKey(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context,
                   uint32_t virtualKey, uint32_t keyData, const platform::KeyState& keyState);

// Acts on a claimed key; the messages it generates go into translationList (raw memory in the
// manager's layout, see translation_list.h). Returns how many were stored there. A key the
// keyboard state shows up is handled as a release whatever the scan code says.
uint32_t ImeToAsciiEx(platform::InputMethodPort& port, ImeCore* core, uint32_t virtualKey, uint32_t scanCode,
                      const platform::KeyState& keyState, void* translationList, uint32_t state,
                      platform::ContextHandle context);

bool NotifyIME(platform::InputMethodPort& port, ImeCore* core, platform::ContextHandle context, uint32_t action,
               uint32_t index, uint32_t value);

// data: for a support query a 32-bit sub-function number; for the name a buffer of at least
// kImeDisplayName.size() + 1 UTF-16 units.
intptr_t ImeEscape(uint32_t subFunction, void* data);

}  // namespace kellavor::core
