// The key scripts of the console front end: characters as typed on a US keyboard (a capital or a
// shifted symbol implies Shift), named keys in braces ({Enter}, {PageDown}, {Shift} for Shift
// tapped alone), chords in braces ({Ctrl+Shift+L}, {Shift+Tab}), and "{{" for a "{".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellavor::console {

struct ScriptKey {
  std::string name;                 // as the script wrote it: "n", "{Enter}", "{Ctrl+Shift+L}"
  std::vector<uint32_t> modifiers;  // held around the key, in order
  uint32_t virtualKey = 0;

  friend bool operator==(const ScriptKey&, const ScriptKey&) = default;
};

struct ScriptError {
  size_t position = 0;  // byte offset in the script
  std::string message;
};

// The keys of the script, or the first error.
std::vector<ScriptKey> ParseKeyScript(std::string_view script, std::optional<ScriptError>& error);

// The virtual key of a key name ("Enter", "F2", "A", "1", ";"), case-insensitive; none when the
// name names no key.
std::optional<uint32_t> NamedKey(std::string_view name);

}  // namespace kellavor::console
