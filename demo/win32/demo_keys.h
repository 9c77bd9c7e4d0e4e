// A key script as the demonstration types it: every character is typed with the key (and Shift)
// that gives it on the US keyboard; a braced name is one key or chord: {Space}, {Enter}, {Shift}
// (Shift tapped alone), {Ctrl+Shift+L}.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace kellavor::demo {

struct KeyStroke {
  std::vector<UINT> modifiers;  // held, in order, around the key
  UINT key = 0;
};

// The strokes of SCRIPT; empty when a braced name is unknown or a character cannot be typed.
std::vector<KeyStroke> ParseKeys(std::wstring_view script);

}  // namespace kellavor::demo
