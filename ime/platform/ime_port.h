// The input-method port: the part of the input-method manager and of the window system that the
// engine calls. The Win32 backend forwards to imm32 and user32; the simulated backend is an
// in-memory input-method manager for the console front end and the unit tests. Both exist in
// the Windows build, so the engine receives the port as a reference and never knows which.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kellavor::platform {

// Opaque handles: a window, an input context, a component block of a context.
struct OpaqueWindow;
struct OpaqueContext;
struct OpaqueBlock;
using WindowHandle = OpaqueWindow*;
using ContextHandle = OpaqueContext*;
using BlockHandle = OpaqueBlock*;

// What a ContextLock holds: the fields of a locked context, reached through the port.
struct OpaqueLockedContext;
using LockedContext = OpaqueLockedContext*;

// One input-method message as the manager delivers it to the application.
struct ImeMessage {
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;

  friend bool operator==(const ImeMessage&, const ImeMessage&) = default;
};

// The 256-byte keyboard state indexed by virtual key: bit 7 held, bit 0 toggled.
using KeyState = std::array<uint8_t, 256>;

struct ConversionStatus {
  uint32_t conversion = 0;
  uint32_t sentence = 0;
};

class InputMethodPort {
 public:
  virtual ~InputMethodPort() = default;

  // The fields of a context locked by a ContextLock.
  virtual WindowHandle ContextWindow(LockedContext context) = 0;
  virtual bool IsOpen(LockedContext context) = 0;
  virtual void SetOpen(LockedContext context, bool open) = 0;
  virtual BlockHandle CompositionStringBlock(LockedContext context) = 0;
  virtual void SetCompositionStringBlock(LockedContext context, BlockHandle block) = 0;
  virtual BlockHandle CandidateInfoBlock(LockedContext context) = 0;
  virtual void SetCandidateInfoBlock(LockedContext context, BlockHandle block) = 0;

  // The context's message buffer: enlarges it by one record, appends the message and counts it.
  // False when the buffer cannot be enlarged or locked; nothing is appended then.
  virtual bool AppendBufferedMessage(LockedContext context, const ImeMessage& message) = 0;
  // Asks the manager to deliver the buffered messages to the context's window.
  virtual void GenerateMessages(ContextHandle context) = 0;

  // Absent when the handle is not a context.
  virtual std::optional<ConversionStatus> GetConversionStatus(ContextHandle context) = 0;
  virtual bool SetConversionStatus(ContextHandle context, ConversionStatus status) = 0;

  // Component blocks. CreateBlock and ResizeBlock give null on failure; ResizeBlock returns the
  // block's handle afterwards. DestroyBlock accepts null. A block's bytes are reached through a
  // BlockLock.
  virtual BlockHandle CreateBlock(size_t size) = 0;
  virtual BlockHandle ResizeBlock(BlockHandle block, size_t size) = 0;
  virtual void DestroyBlock(BlockHandle block) = 0;

  // The characters the key types under the keyboard state, as the platform's ToAscii gives
  // them: empty, one or two UTF-16 units. Bit 15 of scanCode marks a key release.
  virtual std::u16string ToAscii(uint32_t virtualKey, uint32_t scanCode, const KeyState& keyState) = 0;
  // The calling thread's keyboard state, and the state of one key (negative while held, bit 0
  // toggled), as GetKeyboardState and GetKeyState report them.
  virtual KeyState GetKeyboardState() = 0;
  virtual int16_t GetKeyState(uint32_t virtualKey) = 0;

  // Windows.
  virtual WindowHandle OwnerWindow(WindowHandle window) = 0;
  virtual WindowHandle ForegroundWindow() = 0;
  virtual bool IsWindow(WindowHandle window) = 0;
  virtual bool IsWindowVisible(WindowHandle window) = 0;
  // Sends synchronously; 0 when there is no such window.
  virtual intptr_t SendToWindow(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
  virtual void InvalidateWindow(WindowHandle window, bool eraseBackground) = 0;

  // Puts the text on the clipboard as Unicode text, opened for owner. False when the clipboard
  // could not be opened or filled.
  virtual bool SetClipboardText(WindowHandle owner, std::u16string_view text) = 0;
  // One simulated key stroke, as keybd_event makes it.
  virtual void SendKeyEvent(uint8_t virtualKey, bool keyUp) = 0;

 private:
  friend class ContextLock;
  friend class BlockLock;

  // Reached only through the guards, so that every lock is paired with its unlock. LockContext
  // gives null when the handle is not a context. LockBlock gives the block's bytes, or an empty
  // span when the block cannot be locked (there is then nothing to unlock).
  virtual LockedContext LockContext(ContextHandle context) = 0;
  virtual void UnlockContext(ContextHandle context) = 0;
  virtual std::span<uint8_t> LockBlock(BlockHandle block) = 0;
  virtual void UnlockBlock(BlockHandle block) = 0;
};

// An input context locked for the guard's lifetime. The guard of a handle that is not a context
// holds nothing and converts to false; its context is then null.
class ContextLock {
 public:
  ContextLock(InputMethodPort& port, ContextHandle context)
      : port_(port), handle_(context), fields_(port.LockContext(context)) {}
  ~ContextLock() {
    if (fields_ != nullptr) port_.UnlockContext(handle_);
  }
  ContextLock(const ContextLock&) = delete;
  ContextLock& operator=(const ContextLock&) = delete;

  explicit operator bool() const { return fields_ != nullptr; }
  ContextHandle handle() const { return handle_; }
  LockedContext fields() const { return fields_; }

 private:
  InputMethodPort& port_;
  ContextHandle handle_;
  LockedContext fields_;
};

// A component block locked for the guard's lifetime. A null block, or one that cannot be locked,
// gives empty bytes and converts to false.
class BlockLock {
 public:
  BlockLock(InputMethodPort& port, BlockHandle block)
      : port_(port), block_(block), bytes_(block != nullptr ? port.LockBlock(block) : std::span<uint8_t>()) {}
  ~BlockLock() {
    if (!bytes_.empty()) port_.UnlockBlock(block_);
  }
  BlockLock(const BlockLock&) = delete;
  BlockLock& operator=(const BlockLock&) = delete;

  explicit operator bool() const { return !bytes_.empty(); }
  std::span<uint8_t> bytes() const { return bytes_; }

 private:
  InputMethodPort& port_;
  BlockHandle block_;
  std::span<uint8_t> bytes_;
};

}  // namespace kellavor::platform
