// The terminal of the interactive console: raw input, and the keys that its byte sequences stand
// for. A terminal sends no key releases and cannot tell Shift alone, so function keys stand in for
// what it cannot send: F2 is Shift tapped alone (the mode switch), F5 is Ctrl+Shift+L (traditional
// output). Ctrl+C and Ctrl+D end the session.
#pragma once

#include <optional>
#include <string_view>

#include "tools/console/key_script.h"

namespace kellavor::console {

// Raw mode on standard input for the object's lifetime: no echo, no line buffering, no signals.
class RawTerminal {
 public:
  RawTerminal();
  ~RawTerminal();
  RawTerminal(const RawTerminal&) = delete;
  RawTerminal& operator=(const RawTerminal&) = delete;
  bool active() const { return active_; }

 private:
  bool active_ = false;
};

bool StandardInputIsTerminal();
bool StandardOutputIsTerminal();

struct TerminalInput {
  enum class Kind { kKey, kIgnored, kQuit };
  Kind kind = Kind::kIgnored;
  ScriptKey key;
};

// The key of one complete byte sequence of the terminal: a character, a control character or an
// escape sequence.
TerminalInput DecodeTerminalSequence(std::string_view bytes);

// Reads the next sequence from standard input (an Escape alone is told from the start of a
// sequence by a short wait); quit at the end of input.
TerminalInput ReadTerminalInput();

}  // namespace kellavor::console
