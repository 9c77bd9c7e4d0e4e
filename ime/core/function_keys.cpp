// The function keys: one table of the editing, paging and highlight keys with when each is
// claimed and what it does, then the mode-switch key and the hot keys, for both ImeProcessKey's
// claim and ImeToAsciiEx's handling.
#include <algorithm>
#include <iterator>

#include "ime/core/ime_core.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::core {

using platform::IsHeld;
using platform::IsPress;
using platform::IsRepeat;
using platform::kWmImeUiMenu;
using platform::kWmImeUiRepaint;
using platform::kWmImeUiSoftKbd;

namespace vk = platform::vk;

namespace {

// When a key of the table is claimed. "Plain": pressed without Ctrl or Alt while there is a
// composition or a candidate; a plain key that is not claimed goes on to the switch and hot keys.
enum class Claim : uint8_t {
  kPlain,
  kPlainUnshifted,
  kPlainWhenTabTurnsPages,
  kPlainWhenPlusTurnsPages,
  // Pressed while there is a composition or a candidate, whatever the modifiers; otherwise never.
  kPressed,
  kAlways,
  // Handled when it arrives, never claimed for itself.
  kNever,
};

// The table's handler of a key that does one thing when pressed.
template <auto Action>
bool OnPress(ImeCore& core, uint32_t, bool press, const platform::KeyState&) {
  if (!press) return false;
  (core.*Action)();
  return true;
}

// A modifier counts as held only when it is not the key itself.
bool ModifierHeld(const platform::KeyState& keyState, uint32_t modifier, uint32_t virtualKey) {
  return virtualKey != modifier && IsHeld(keyState, modifier);
}

}  // namespace

struct ImeCore::FunctionKey {
  uint32_t virtualKey;
  Claim claim;
  // Acts on the key; false when it is left to the switch and hot keys.
  bool (*handle)(ImeCore& core, uint32_t virtualKey, bool press, const platform::KeyState& keyState);
};

const ImeCore::FunctionKey* ImeCore::FindFunctionKey(uint32_t virtualKey) {
  using platform::KeyState;
  // Enter or Space, whichever commits the typed letters as they are; the other is the select key.
  constexpr auto kCommitsRaw = [](ImeCore& core, uint32_t key, bool press, const KeyState&) {
    if (!press || key != core.RawCommitKey()) return false;
    core.CommitRaw();
    return true;
  };
  // The plus and minus keys, on the main keyboard and the numeric pad, with the setting on.
  constexpr auto kPagesUp = [](ImeCore& core, uint32_t, bool press, const KeyState& keyState) {
    if (!core.PlusTurnsPage(press, keyState)) return false;
    core.PageUp();
    return true;
  };
  constexpr auto kPagesDown = [](ImeCore& core, uint32_t, bool press, const KeyState& keyState) {
    if (!core.PlusTurnsPage(press, keyState)) return false;
    core.PageDown();
    return true;
  };
  static constexpr FunctionKey kKeys[] = {
      {vk::kBack, Claim::kPressed, OnPress<&ImeCore::DeleteBackward>},
      {vk::kReturn, Claim::kPressed, kCommitsRaw},
      {vk::kSpace, Claim::kPressed, kCommitsRaw},
      {vk::kEscape, Claim::kPressed,
       [](ImeCore& core, uint32_t, bool press, const KeyState&) {
         if (!press) return false;
         core.Reset(true);
         return true;
       }},
      {vk::kPrior, Claim::kPlain, OnPress<&ImeCore::PageUp>},
      {vk::kNext, Claim::kPlain, OnPress<&ImeCore::PageDown>},
      {vk::kEnd, Claim::kPlain, OnPress<&ImeCore::CursorEnd>},
      {vk::kHome, Claim::kPlain, OnPress<&ImeCore::CursorHome>},
      {vk::kLeft, Claim::kPlainUnshifted, OnPress<&ImeCore::CursorLeft>},
      {vk::kRight, Claim::kPlainUnshifted, OnPress<&ImeCore::CursorRight>},
      {vk::kUp, Claim::kPlain, OnPress<&ImeCore::HighlightPrevious>},
      {vk::kDown, Claim::kPlain, OnPress<&ImeCore::HighlightNext>},
      {vk::kDelete, Claim::kPlain, OnPress<&ImeCore::DeleteForward>},
      // Tab turns pages, backwards with Shift.
      {vk::kTab, Claim::kPlainWhenTabTurnsPages,
       [](ImeCore& core, uint32_t, bool press, const KeyState& keyState) {
         if (!press) return false;
         if (IsHeld(keyState, vk::kShift)) {
           core.PageUp();
         } else {
           core.PageDown();
         }
         return true;
       }},
      // Caps Lock, pressed or released, repaints the status window.
      {vk::kCapital, Claim::kAlways,
       [](ImeCore& core, uint32_t, bool, const KeyState&) {
         core.SendToStatusWindow(kWmImeUiRepaint);
         return true;
       }},
      {vk::kOemMinus, Claim::kPlainWhenPlusTurnsPages, kPagesUp},
      {vk::kOemPlus, Claim::kPlainWhenPlusTurnsPages, kPagesDown},
      {vk::kSubtract, Claim::kNever, kPagesUp},
      {vk::kAdd, Claim::kNever, kPagesDown},
  };
  const auto found = std::find_if(std::begin(kKeys), std::end(kKeys),
                                  [virtualKey](const FunctionKey& key) { return key.virtualKey == virtualKey; });
  return found != std::end(kKeys) ? found : nullptr;
}

bool ImeCore::PlusTurnsPage(bool press, const platform::KeyState& keyState) const {
  return settings_.pageturnbyplus != 0 && HasCompositionOrCandidates() && press &&
         !IsHeld(keyState, vk::kControl) && !IsHeld(keyState, vk::kShift);
}

bool ImeCore::ClaimsFunctionKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState) {
  const uint32_t switchKey = settings_.encnswitchkey;
  if (virtualKey != switchKey) lastSwitchKey_ = 0;
  const bool control = ModifierHeld(keyState, vk::kControl, virtualKey);
  const bool alt = ModifierHeld(keyState, vk::kMenu, virtualKey);
  const bool press = IsPress(keyFlags);
  const bool open = HasCompositionOrCandidates();

  if (const FunctionKey* key = FindFunctionKey(virtualKey); key != nullptr) {
    const bool plain = !control && !alt && press && open;
    switch (key->claim) {
      case Claim::kPlain: if (plain) return true; break;
      case Claim::kPlainUnshifted: if (plain && !IsHeld(keyState, vk::kShift)) return true; break;
      case Claim::kPlainWhenTabTurnsPages: if (plain && settings_.pageturnbytab != 0) return true; break;
      case Claim::kPlainWhenPlusTurnsPages: if (plain && settings_.pageturnbyplus != 0) return true; break;
      case Claim::kPressed: return open && press;
      case Claim::kAlways: return true;
      case Claim::kNever: break;
    }
  }
  if (virtualKey == switchKey) {
    if (press) {
      lastSwitchKey_ = IsRepeat(keyFlags) ? 0 : virtualKey;
      return false;
    }
    if (lastSwitchKey_ == virtualKey && !control && !alt) return true;
    lastSwitchKey_ = 0;
    return false;
  }
  if (IsHeld(keyState, vk::kControl) && IsHeld(keyState, vk::kShift)) {
    if ((settings_.imswitchkeyenable != 0 && virtualKey == settings_.imswitchkey) ||
        (settings_.menuhotktyenable != 0 && virtualKey == settings_.menuhotkty) ||
        (settings_.softkbdhotktyenable != 0 && virtualKey == settings_.softkbdhotkty) ||
        (settings_.sthotktyenable != 0 && virtualKey == settings_.sthotkty)) {
      return true;
    }
  }
  return false;
}

bool ImeCore::HandleFunctionKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState) {
  const bool press = IsPress(keyFlags);
  if (const FunctionKey* key = FindFunctionKey(virtualKey);
      key != nullptr && key->handle(*this, virtualKey, press, keyState)) {
    return true;
  }
  if (virtualKey == settings_.encnswitchkey) {
    SwitchModeByKey();
    return true;
  }
  if (IsHeld(keyState, vk::kControl) && IsHeld(keyState, vk::kShift) && press) {
    if (settings_.imswitchkeyenable != 0 && virtualKey == settings_.imswitchkey) {
      SetInputMode(context_, IsGermanMode() ? kPinyinMode : kGermanMode);
    } else if (settings_.menuhotktyenable != 0 && virtualKey == settings_.menuhotkty) {
      SendToStatusWindow(kWmImeUiMenu);
    } else if (settings_.softkbdhotktyenable != 0 && virtualKey == settings_.softkbdhotkty) {
      SendToStatusWindow(kWmImeUiSoftKbd);
    } else if (settings_.sthotktyenable != 0 && virtualKey == settings_.sthotkty) {
      settings_.big5mode = settings_.big5mode != 0 ? 0 : 1;
      SendToStatusWindow(kWmImeUiRepaint);
    }
    return true;
  }
  return false;
}

}  // namespace kellavor::core
