#include "tools/console/key_script.h"

#include <algorithm>
#include <cctype>

#include "ime/platform/sim/us_keyboard.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::console {

namespace vk = platform::vk;

namespace {

struct NamedKeyEntry {
  std::string_view name;
  uint32_t virtualKey;
};

constexpr NamedKeyEntry kNamedKeys[] = {
    {"space", vk::kSpace},    {"enter", vk::kReturn},   {"return", vk::kReturn},
    {"esc", vk::kEscape},     {"escape", vk::kEscape},  {"backspace", vk::kBack},
    {"tab", vk::kTab},        {"left", vk::kLeft},      {"right", vk::kRight},
    {"up", vk::kUp},          {"down", vk::kDown},      {"pageup", vk::kPrior},
    {"pagedown", vk::kNext},  {"home", vk::kHome},      {"end", vk::kEnd},
    {"delete", vk::kDelete},  {"del", vk::kDelete},     {"capslock", vk::kCapital},
    {"shift", vk::kShift},    {"ctrl", vk::kControl},   {"alt", vk::kMenu},
    {"numpadplus", vk::kAdd}, {"numpadminus", vk::kSubtract},
};

constexpr uint32_t kF1 = 0x70;

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

std::optional<uint32_t> ModifierKey(std::string_view name) {
  const std::string lower = Lower(name);
  if (lower == "ctrl" || lower == "control") return vk::kControl;
  if (lower == "shift") return vk::kShift;
  if (lower == "alt") return vk::kMenu;
  return std::nullopt;
}

// A brace group: modifiers joined by '+', then the key.
std::optional<ScriptKey> ParseGroup(std::string_view group, std::string& message) {
  ScriptKey key;
  key.name = "{" + std::string(group) + "}";
  size_t start = 0;
  while (true) {
    // A '+' as the last part is the key itself ("{Ctrl++}").
    const size_t plus = group.find('+', start);
    if (plus == std::string_view::npos || plus + 1 == group.size() || plus == start) break;
    const std::string_view part = group.substr(start, plus - start);
    const std::optional<uint32_t> modifier = ModifierKey(part);
    if (!modifier.has_value()) {
      message = "unknown modifier \"" + std::string(part) + "\"";
      return std::nullopt;
    }
    key.modifiers.push_back(*modifier);
    start = plus + 1;
  }
  const std::string_view last = group.substr(start);
  const std::optional<uint32_t> virtualKey = NamedKey(last);
  if (!virtualKey.has_value()) {
    message = "unknown key \"" + std::string(last) + "\"";
    return std::nullopt;
  }
  key.virtualKey = *virtualKey;
  return key;
}

}  // namespace

std::optional<uint32_t> NamedKey(std::string_view name) {
  const std::string lower = Lower(name);
  for (const NamedKeyEntry& entry : kNamedKeys) {
    if (entry.name == lower) return entry.virtualKey;
  }
  if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f' && std::isdigit(static_cast<unsigned char>(lower[1]))) {
    const int number = std::stoi(lower.substr(1));
    if (number >= 1 && number <= 12) return kF1 + static_cast<uint32_t>(number - 1);
  }
  if (name.size() == 1) {
    const auto key = platform::UsKeyboardKeyFor(static_cast<char16_t>(std::tolower(static_cast<unsigned char>(name[0]))));
    if (key.has_value()) return key->virtualKey;
  }
  return std::nullopt;
}

std::vector<ScriptKey> ParseKeyScript(std::string_view script, std::optional<ScriptError>& error) {
  std::vector<ScriptKey> keys;
  error.reset();
  for (size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (c == '{' && i + 1 < script.size() && script[i + 1] == '{') {
      keys.push_back({"{", {vk::kShift}, 0xDB});
      ++i;
      continue;
    }
    if (c == '{') {
      const size_t close = script.find('}', i + 1);
      // "{+}" and "{Ctrl+}}" would need the brace itself: the group ends at the first '}' after
      // at least one character.
      if (close == std::string_view::npos || close == i + 1) {
        error = ScriptError{i, "a '{' without its key and '}' (type a '{' as \"{{\")"};
        return {};
      }
      std::string message;
      std::optional<ScriptKey> key = ParseGroup(script.substr(i + 1, close - i - 1), message);
      if (!key.has_value()) {
        error = ScriptError{i, message};
        return {};
      }
      keys.push_back(std::move(*key));
      i = close;
      continue;
    }
    const auto key = platform::UsKeyboardKeyFor(static_cast<unsigned char>(c));
    if ((static_cast<unsigned char>(c) & 0x80) != 0 || !key.has_value()) {
      error = ScriptError{i, "not a key of the US keyboard: use a printable ASCII character or a {Name}"};
      return {};
    }
    ScriptKey typed{std::string(1, c), {}, key->virtualKey};
    if (key->shift) typed.modifiers.push_back(vk::kShift);
    keys.push_back(std::move(typed));
  }
  return keys;
}

}  // namespace kellavor::console
