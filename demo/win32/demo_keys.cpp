#include "demo/win32/demo_keys.h"

#include <string>

namespace kellavor::demo {
namespace {

UINT NamedKey(std::wstring_view name) {
  if (name == L"Space") return VK_SPACE;
  if (name == L"Enter") return VK_RETURN;
  if (name == L"Shift") return VK_LSHIFT;
  if (name == L"Ctrl") return VK_LCONTROL;
  if (name == L"Back") return VK_BACK;
  if (name == L"Esc") return VK_ESCAPE;
  if (name.size() == 1 && name[0] >= L'A' && name[0] <= L'Z') return name[0];
  return 0;
}

// "Ctrl+Shift+L": the modifiers before the last name, the last name the key.
bool ParseChord(std::wstring_view chord, KeyStroke& stroke) {
  size_t start = 0;
  while (true) {
    const size_t plus = chord.find(L'+', start);
    const UINT key = NamedKey(chord.substr(start, plus == std::wstring_view::npos ? plus : plus - start));
    if (key == 0) return false;
    if (plus == std::wstring_view::npos) {
      stroke.key = key;
      return true;
    }
    stroke.modifiers.push_back(key);
    start = plus + 1;
  }
}

}  // namespace

std::vector<KeyStroke> ParseKeys(std::wstring_view script) {
  std::vector<KeyStroke> strokes;
  for (size_t i = 0; i < script.size(); ++i) {
    KeyStroke stroke;
    if (script[i] == L'{') {
      const size_t close = script.find(L'}', i);
      if (close == std::wstring_view::npos || !ParseChord(script.substr(i + 1, close - i - 1), stroke)) return {};
      i = close;
    } else {
      const SHORT key = VkKeyScanW(script[i]);
      if (key == -1) return {};
      if ((key & 0x0100) != 0) stroke.modifiers.push_back(VK_LSHIFT);
      stroke.key = static_cast<UINT>(key & 0xFF);
    }
    strokes.push_back(stroke);
  }
  return strokes;
}

}  // namespace kellavor::demo
