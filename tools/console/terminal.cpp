#include "tools/console/terminal.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "ime/platform/virtual_keys.h"

namespace kellavor::console {

namespace vk = platform::vk;

namespace {

termios savedTerminal;

constexpr char kEscape = 0x1B;
constexpr int kSequenceWaitMs = 40;

TerminalInput Key(std::string name, uint32_t virtualKey, std::vector<uint32_t> modifiers = {}) {
  return {TerminalInput::Kind::kKey, ScriptKey{std::move(name), std::move(modifiers), virtualKey}};
}

TerminalInput Named(std::string_view script) {
  std::optional<ScriptError> error;
  std::vector<ScriptKey> keys = ParseKeyScript(script, error);
  if (keys.size() != 1) return {};
  return {TerminalInput::Kind::kKey, keys[0]};
}

// CSI and SS3 sequences: ESC [ ... final, ESC O final.
TerminalInput DecodeEscape(std::string_view body) {
  if (body == "[A" || body == "OA") return Named("{Up}");
  if (body == "[B" || body == "OB") return Named("{Down}");
  if (body == "[C" || body == "OC") return Named("{Right}");
  if (body == "[D" || body == "OD") return Named("{Left}");
  if (body == "[H" || body == "OH" || body == "[1~" || body == "[7~") return Named("{Home}");
  if (body == "[F" || body == "OF" || body == "[4~" || body == "[8~") return Named("{End}");
  if (body == "[5~") return Named("{PageUp}");
  if (body == "[6~") return Named("{PageDown}");
  if (body == "[3~") return Named("{Delete}");
  if (body == "[Z") return Named("{Shift+Tab}");
  if (body == "OQ" || body == "[12~") return Named("{Shift}");
  if (body == "[15~") return Named("{Ctrl+Shift+L}");
  if (body == "Ok") return Named("{NumpadPlus}");
  if (body == "Om") return Named("{NumpadMinus}");
  return {};
}

}  // namespace

RawTerminal::RawTerminal() {
  if (!StandardInputIsTerminal() || tcgetattr(STDIN_FILENO, &savedTerminal) != 0) return;
  termios raw = savedTerminal;
  raw.c_lflag &= static_cast<tcflag_t>(~(ECHO | ICANON | ISIG | IEXTEN));
  raw.c_iflag &= static_cast<tcflag_t>(~(IXON | ICRNL));
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  active_ = tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0;
}

RawTerminal::~RawTerminal() {
  if (active_) tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
}

bool StandardInputIsTerminal() { return isatty(STDIN_FILENO) != 0; }
bool StandardOutputIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

TerminalInput DecodeTerminalSequence(std::string_view bytes) {
  if (bytes.empty()) return {};
  const auto first = static_cast<unsigned char>(bytes[0]);
  if (first == kEscape) return bytes.size() == 1 ? Named("{Esc}") : DecodeEscape(bytes.substr(1));
  if (bytes.size() != 1) return {};
  switch (first) {
    case 0x03:
    case 0x04: return {TerminalInput::Kind::kQuit, {}};
    case 0x08:
    case 0x7F: return Named("{Backspace}");
    case '\r':
    case '\n': return Named("{Enter}");
    case '\t': return Named("{Tab}");
    default: break;
  }
  if (first <= 0x1A) {
    const char letter = static_cast<char>('A' + first - 1);
    return Key(std::string("{Ctrl+") + letter + "}", static_cast<uint32_t>(letter), {vk::kControl});
  }
  if (first < 0x20 || first >= 0x80) return {};
  return Named(bytes == "{" ? std::string_view("{{") : bytes);
}

TerminalInput ReadTerminalInput() {
  char byte = 0;
  if (read(STDIN_FILENO, &byte, 1) != 1) return {TerminalInput::Kind::kQuit, {}};
  std::string sequence(1, byte);
  const auto more = [] {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, kSequenceWaitMs) > 0;
  };
  if (byte == kEscape) {
    if (more() && read(STDIN_FILENO, &byte, 1) == 1) {
      sequence += byte;
      if (byte == '[' || byte == 'O') {
        // Parameters and intermediates up to the final byte.
        while (more() && read(STDIN_FILENO, &byte, 1) == 1) {
          sequence += byte;
          const auto c = static_cast<unsigned char>(byte);
          if (sequence.size() > 2 && c >= 0x40 && c <= 0x7E) break;
          if (sequence.size() == 2 + 16) break;
        }
      }
    }
  } else if (const auto lead = static_cast<unsigned char>(byte); lead >= 0xC0) {
    // The rest of a UTF-8 character, which no US key types.
    const int rest = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    for (int i = 0; i < rest && more() && read(STDIN_FILENO, &byte, 1) == 1; ++i) {
    }
    return {};
  }
  return DecodeTerminalSequence(sequence);
}

}  // namespace kellavor::console
