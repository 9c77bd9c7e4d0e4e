// An in-memory input-method manager behind the input-method port: input contexts with their
// fields, component blocks as byte buffers, windows by class and owner, a keyboard state with the
// US layout for ToAscii, and one ordered log of everything that left the module: messages the
// manager delivered to a context's window, messages sent to windows, repaints, clipboard texts
// and simulated key strokes. Used by the console front end and the unit tests.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ime/platform/ime_port.h"

namespace kellavor::platform {

struct SimEvent {
  enum class Kind { Delivered, Sent, Invalidated, Clipboard, KeyStroke };

  Kind kind = Kind::Delivered;
  // Delivered: the context's window; Sent, Invalidated: the addressee; Clipboard: the owner.
  WindowHandle window = nullptr;
  ImeMessage message;            // Delivered, Sent
  bool eraseBackground = false;  // Invalidated
  std::u16string text;           // Clipboard
  uint8_t virtualKey = 0;        // KeyStroke
  bool keyUp = false;            // KeyStroke

  static SimEvent Delivered(WindowHandle window, ImeMessage message);
  static SimEvent Sent(WindowHandle window, ImeMessage message);
  static SimEvent Invalidated(WindowHandle window, bool eraseBackground);
  static SimEvent Clipboard(WindowHandle owner, std::u16string text);
  static SimEvent KeyStroke(uint8_t virtualKey, bool keyUp);

  friend bool operator==(const SimEvent&, const SimEvent&) = default;
};

class SimInputMethod final : public InputMethodPort {
 public:
  // The fields of one input context, open for inspection and change by its owner.
  struct Context {
    WindowHandle window = nullptr;
    bool open = false;
    ConversionStatus status;
    BlockHandle compositionString = nullptr;
    BlockHandle candidateInfo = nullptr;
    std::vector<ImeMessage> messageBuffer;
    int lockCount = 0;
  };

  // What a window does with a message sent to it; its result is SendToWindow's.
  using WindowProcedure = std::function<intptr_t(uint32_t message, uintptr_t wParam, intptr_t lParam)>;

  SimInputMethod();

  // A new context for the window, closed, conversion status 0, without component blocks (the
  // module creates its own when the context is selected). Destroying it destroys its blocks.
  ContextHandle CreateContext(WindowHandle window = nullptr);
  void DestroyContext(ContextHandle context);
  // Null when the handle is not a live context.
  Context* FindContext(ContextHandle context);

  // A top-level window of the class, hidden, optionally owned by another window.
  WindowHandle AddWindow(std::u16string className, WindowHandle owner = nullptr);
  void RemoveWindow(WindowHandle window);
  void SetWindowVisible(WindowHandle window, bool visible);
  void SetForeground(WindowHandle window);
  // Messages sent to the window are logged and then handed to the procedure, so that a test or
  // front end can answer for the module's own windows.
  void SetWindowProcedure(WindowHandle window, WindowProcedure procedure);

  // Lock counts, so that tests can see every lock paired with its unlock; -1 for no such object.
  int LockCount(ContextHandle context) const;
  int LockCount(BlockHandle block) const;
  // How many locks were taken since the manager was made, of contexts and of blocks, so that
  // tests can see how often one key locks.
  int ContextLocksTaken() const { return contextLocksTaken_; }
  int BlockLocksTaken() const { return blockLocksTaken_; }
  // A block's bytes without locking it; empty for no such block.
  std::span<uint8_t> BlockBytes(BlockHandle block);
  size_t BlockCount() const { return blocks_.size(); }

  // The keyboard state that GetKeyboardState and GetKeyState report; simulated key strokes
  // change it as real ones would.
  void SetKeyboardState(const KeyState& state) { keyboard_ = state; }
  void SetKeyHeld(uint32_t virtualKey, bool held);
  void SetKeyToggled(uint32_t virtualKey, bool toggled);

  const std::vector<SimEvent>& Events() const { return events_; }
  void ClearEvents() { events_.clear(); }
  const std::u16string& ClipboardText() const { return clipboard_; }

  WindowHandle ContextWindow(LockedContext context) override;
  bool IsOpen(LockedContext context) override;
  void SetOpen(LockedContext context, bool open) override;
  BlockHandle CompositionStringBlock(LockedContext context) override;
  void SetCompositionStringBlock(LockedContext context, BlockHandle block) override;
  BlockHandle CandidateInfoBlock(LockedContext context) override;
  void SetCandidateInfoBlock(LockedContext context, BlockHandle block) override;

  bool AppendBufferedMessage(LockedContext context, const ImeMessage& message) override;
  void GenerateMessages(ContextHandle context) override;

  std::optional<ConversionStatus> GetConversionStatus(ContextHandle context) override;
  bool SetConversionStatus(ContextHandle context, ConversionStatus status) override;

  BlockHandle CreateBlock(size_t size) override;
  BlockHandle ResizeBlock(BlockHandle block, size_t size) override;
  void DestroyBlock(BlockHandle block) override;

  std::u16string ToAscii(uint32_t virtualKey, uint32_t scanCode, const KeyState& keyState) override;
  KeyState GetKeyboardState() override { return keyboard_; }
  int16_t GetKeyState(uint32_t virtualKey) override;

  WindowHandle OwnerWindow(WindowHandle window) override;
  WindowHandle ForegroundWindow() override { return foreground_; }
  bool IsWindow(WindowHandle window) override;
  bool IsWindowVisible(WindowHandle window) override;
  intptr_t SendToWindow(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void InvalidateWindow(WindowHandle window, bool eraseBackground) override;

  bool SetClipboardText(WindowHandle owner, std::u16string_view text) override;
  void SendKeyEvent(uint8_t virtualKey, bool keyUp) override;

 private:
  LockedContext LockContext(ContextHandle context) override;
  void UnlockContext(ContextHandle context) override;
  std::span<uint8_t> LockBlock(BlockHandle block) override;
  void UnlockBlock(BlockHandle block) override;

  struct Block {
    std::vector<uint8_t> bytes;
    int lockCount = 0;
  };
  struct Window {
    std::u16string className;
    WindowHandle owner = nullptr;
    bool visible = false;
    WindowProcedure procedure;
  };

  uintptr_t NextId() { return nextId_++; }
  Block* FindBlock(BlockHandle block);
  const Window* LookUpWindow(WindowHandle window) const;

  // One sequence of ids for every kind of handle, so that a handle of one kind is never
  // mistaken for one of another.
  uintptr_t nextId_;
  std::map<uintptr_t, Context> contexts_;
  std::map<uintptr_t, Block> blocks_;
  std::map<uintptr_t, Window> windows_;
  WindowHandle foreground_ = nullptr;
  KeyState keyboard_ {};
  std::u16string clipboard_;
  std::vector<SimEvent> events_;
  int contextLocksTaken_ = 0;
  int blockLocksTaken_ = 0;
};

}  // namespace kellavor::platform
