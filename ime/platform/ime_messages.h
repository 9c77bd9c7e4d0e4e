// Message numbers, flags and window classes the engine exchanges with the input-method manager,
// the application and the module's own windows.
#pragma once

#include <cstdint>
#include <string_view>

namespace kellavor::platform {

// Messages the application receives through the manager.
inline constexpr uint32_t kWmImeStartComposition = 0x010D;
inline constexpr uint32_t kWmImeEndComposition = 0x010E;
inline constexpr uint32_t kWmImeComposition = 0x010F;

// lParam flags of kWmImeComposition.
inline constexpr intptr_t kGcsCompStr = 0x0008;
inline constexpr intptr_t kGcsCursorPos = 0x0080;
inline constexpr intptr_t kGcsDeltaStart = 0x0100;
inline constexpr intptr_t kGcsResultStr = 0x0800;
// The composition changed: the module keeps its text in its own windows, so the application is
// only told that string, caret and delta changed.
inline constexpr intptr_t kCompositionChanged = kGcsCompStr | kGcsCursorPos | kGcsDeltaStart;

// The module's private messages to its own windows.
inline constexpr uint32_t kWmImeUiCommand = 0x8001;  // panel or status window: a button was clicked
inline constexpr uint32_t kWmImeUiRefresh = 0x8004;  // UI window: lay out and show the panel
inline constexpr uint32_t kWmImeUiMenu = 0x8005;     // status window: open the menu
inline constexpr uint32_t kWmImeUiRepaint = 0x8006;  // status window: repaint
inline constexpr uint32_t kWmImeUiSoftKbd = 0x8007;  // status window: toggle the soft keyboard
inline constexpr uint32_t kWmImeUiPrepare = 0x8008;  // UI window: prepare the first key, posted on activation

// Conversion-status flags of an input context.
inline constexpr uint32_t kCmodeNative = 0x0001;
inline constexpr uint32_t kCmodeFullShape = 0x0008;
inline constexpr uint32_t kCmodeCharCode = 0x0020;
inline constexpr uint32_t kCmodeSoftKbd = 0x0080;
inline constexpr uint32_t kCmodeNoConversion = 0x0100;
inline constexpr uint32_t kCmodeSymbol = 0x0400;

// Classes of the module's windows.
inline constexpr std::u16string_view kUiWindowClass = u"KellavorIME_UI";
inline constexpr std::u16string_view kCompositionWindowClass = u"KellavorIME_Comp";
inline constexpr std::u16string_view kCandidateWindowClass = u"KellavorIME_Cand";
inline constexpr std::u16string_view kStatusWindowClass = u"KellavorIME_Status";

}  // namespace kellavor::platform
