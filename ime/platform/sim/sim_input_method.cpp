#include "ime/platform/sim/sim_input_method.h"

#include <utility>

#include "ime/platform/sim/us_keyboard.h"

namespace kellavor::platform {
namespace {

// Handles start well above 0 so that a small integer passed by mistake is no handle.
constexpr uintptr_t kFirstId = 0x1000;

template <typename Handle>
Handle ToHandle(uintptr_t id) {
  return reinterpret_cast<Handle>(id);
}

template <typename Handle>
uintptr_t ToId(Handle handle) {
  return reinterpret_cast<uintptr_t>(handle);
}

SimInputMethod::Context* Fields(LockedContext context) { return reinterpret_cast<SimInputMethod::Context*>(context); }

}  // namespace

SimEvent SimEvent::Delivered(WindowHandle window, ImeMessage message) {
  SimEvent event;
  event.kind = Kind::Delivered;
  event.window = window;
  event.message = message;
  return event;
}

SimEvent SimEvent::Sent(WindowHandle window, ImeMessage message) {
  SimEvent event;
  event.kind = Kind::Sent;
  event.window = window;
  event.message = message;
  return event;
}

SimEvent SimEvent::Invalidated(WindowHandle window, bool eraseBackground) {
  SimEvent event;
  event.kind = Kind::Invalidated;
  event.window = window;
  event.eraseBackground = eraseBackground;
  return event;
}

SimEvent SimEvent::Clipboard(WindowHandle owner, std::u16string text) {
  SimEvent event;
  event.kind = Kind::Clipboard;
  event.window = owner;
  event.text = std::move(text);
  return event;
}

SimEvent SimEvent::KeyStroke(uint8_t virtualKey, bool keyUp) {
  SimEvent event;
  event.kind = Kind::KeyStroke;
  event.virtualKey = virtualKey;
  event.keyUp = keyUp;
  return event;
}

SimInputMethod::SimInputMethod() : nextId_(kFirstId) {}

ContextHandle SimInputMethod::CreateContext(WindowHandle window) {
  const uintptr_t id = NextId();
  contexts_[id].window = window;
  return ToHandle<ContextHandle>(id);
}

void SimInputMethod::DestroyContext(ContextHandle context) {
  auto found = contexts_.find(ToId(context));
  if (found == contexts_.end()) return;
  DestroyBlock(found->second.compositionString);
  DestroyBlock(found->second.candidateInfo);
  contexts_.erase(found);
}

SimInputMethod::Context* SimInputMethod::FindContext(ContextHandle context) {
  auto found = contexts_.find(ToId(context));
  return found == contexts_.end() ? nullptr : &found->second;
}

WindowHandle SimInputMethod::AddWindow(std::u16string className, WindowHandle owner) {
  const uintptr_t id = NextId();
  windows_[id] = Window{std::move(className), owner, false, {}};
  return ToHandle<WindowHandle>(id);
}

void SimInputMethod::RemoveWindow(WindowHandle window) {
  windows_.erase(ToId(window));
  if (foreground_ == window) foreground_ = nullptr;
}

void SimInputMethod::SetWindowVisible(WindowHandle window, bool visible) {
  auto found = windows_.find(ToId(window));
  if (found != windows_.end()) found->second.visible = visible;
}

void SimInputMethod::SetForeground(WindowHandle window) { foreground_ = window; }

void SimInputMethod::SetWindowProcedure(WindowHandle window, WindowProcedure procedure) {
  auto found = windows_.find(ToId(window));
  if (found != windows_.end()) found->second.procedure = std::move(procedure);
}

int SimInputMethod::LockCount(ContextHandle context) const {
  auto found = contexts_.find(ToId(context));
  return found == contexts_.end() ? -1 : found->second.lockCount;
}

int SimInputMethod::LockCount(BlockHandle block) const {
  auto found = blocks_.find(ToId(block));
  return found == blocks_.end() ? -1 : found->second.lockCount;
}

std::span<uint8_t> SimInputMethod::BlockBytes(BlockHandle block) {
  Block* found = FindBlock(block);
  if (found == nullptr) return {};
  return found->bytes;
}

void SimInputMethod::SetKeyHeld(uint32_t virtualKey, bool held) {
  if (virtualKey >= keyboard_.size()) return;
  keyboard_[virtualKey] = static_cast<uint8_t>(held ? keyboard_[virtualKey] | 0x80 : keyboard_[virtualKey] & ~0x80);
}

void SimInputMethod::SetKeyToggled(uint32_t virtualKey, bool toggled) {
  if (virtualKey >= keyboard_.size()) return;
  keyboard_[virtualKey] = static_cast<uint8_t>(toggled ? keyboard_[virtualKey] | 0x01 : keyboard_[virtualKey] & ~0x01);
}

LockedContext SimInputMethod::LockContext(ContextHandle context) {
  Context* found = FindContext(context);
  if (found == nullptr) return nullptr;
  ++found->lockCount;
  ++contextLocksTaken_;
  return reinterpret_cast<LockedContext>(found);
}

void SimInputMethod::UnlockContext(ContextHandle context) {
  Context* found = FindContext(context);
  if (found != nullptr && found->lockCount > 0) --found->lockCount;
}

WindowHandle SimInputMethod::ContextWindow(LockedContext context) { return Fields(context)->window; }

bool SimInputMethod::IsOpen(LockedContext context) { return Fields(context)->open; }

void SimInputMethod::SetOpen(LockedContext context, bool open) { Fields(context)->open = open; }

BlockHandle SimInputMethod::CompositionStringBlock(LockedContext context) { return Fields(context)->compositionString; }

void SimInputMethod::SetCompositionStringBlock(LockedContext context, BlockHandle block) {
  Fields(context)->compositionString = block;
}

BlockHandle SimInputMethod::CandidateInfoBlock(LockedContext context) { return Fields(context)->candidateInfo; }

void SimInputMethod::SetCandidateInfoBlock(LockedContext context, BlockHandle block) {
  Fields(context)->candidateInfo = block;
}

bool SimInputMethod::AppendBufferedMessage(LockedContext context, const ImeMessage& message) {
  Fields(context)->messageBuffer.push_back(message);
  return true;
}

// As the real manager does: every buffered message goes to the context's window in order, and
// the buffer is emptied.
void SimInputMethod::GenerateMessages(ContextHandle context) {
  Context* found = FindContext(context);
  if (found == nullptr) return;
  for (const ImeMessage& message : found->messageBuffer) events_.push_back(SimEvent::Delivered(found->window, message));
  found->messageBuffer.clear();
}

std::optional<ConversionStatus> SimInputMethod::GetConversionStatus(ContextHandle context) {
  Context* found = FindContext(context);
  if (found == nullptr) return std::nullopt;
  return found->status;
}

bool SimInputMethod::SetConversionStatus(ContextHandle context, ConversionStatus status) {
  Context* found = FindContext(context);
  if (found == nullptr) return false;
  found->status = status;
  return true;
}

BlockHandle SimInputMethod::CreateBlock(size_t size) {
  const uintptr_t id = NextId();
  blocks_[id].bytes.assign(size, 0);
  return ToHandle<BlockHandle>(id);
}

BlockHandle SimInputMethod::ResizeBlock(BlockHandle block, size_t size) {
  Block* found = FindBlock(block);
  if (found == nullptr) return nullptr;
  found->bytes.resize(size, 0);
  return block;
}

std::span<uint8_t> SimInputMethod::LockBlock(BlockHandle block) {
  Block* found = FindBlock(block);
  if (found == nullptr || found->bytes.empty()) return {};
  ++found->lockCount;
  ++blockLocksTaken_;
  return found->bytes;
}

void SimInputMethod::UnlockBlock(BlockHandle block) {
  Block* found = FindBlock(block);
  if (found != nullptr && found->lockCount > 0) --found->lockCount;
}

void SimInputMethod::DestroyBlock(BlockHandle block) { blocks_.erase(ToId(block)); }

std::u16string SimInputMethod::ToAscii(uint32_t virtualKey, uint32_t scanCode, const KeyState& keyState) {
  return UsKeyboardToAscii(virtualKey, scanCode, keyState);
}

int16_t SimInputMethod::GetKeyState(uint32_t virtualKey) {
  if (virtualKey >= keyboard_.size()) return 0;
  const uint8_t state = keyboard_[virtualKey];
  return static_cast<int16_t>(((state & 0x80) != 0 ? 0xFF80 : 0) | (state & 0x01));
}

WindowHandle SimInputMethod::OwnerWindow(WindowHandle window) {
  const Window* found = LookUpWindow(window);
  return found == nullptr ? nullptr : found->owner;
}

bool SimInputMethod::IsWindow(WindowHandle window) { return LookUpWindow(window) != nullptr; }

bool SimInputMethod::IsWindowVisible(WindowHandle window) {
  const Window* found = LookUpWindow(window);
  return found != nullptr && found->visible;
}

intptr_t SimInputMethod::SendToWindow(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  const Window* found = LookUpWindow(window);
  if (found == nullptr) return 0;
  events_.push_back(SimEvent::Sent(window, ImeMessage{message, wParam, lParam}));
  // A copy: the procedure may add or remove windows.
  const WindowProcedure procedure = found->procedure;
  return procedure ? procedure(message, wParam, lParam) : 0;
}

void SimInputMethod::InvalidateWindow(WindowHandle window, bool eraseBackground) {
  if (LookUpWindow(window) != nullptr) events_.push_back(SimEvent::Invalidated(window, eraseBackground));
}

bool SimInputMethod::SetClipboardText(WindowHandle owner, std::u16string_view text) {
  clipboard_ = std::u16string(text);
  events_.push_back(SimEvent::Clipboard(owner, clipboard_));
  return true;
}

// A press marks the key held and, when it was up, flips its toggle bit, as the system does for
// Caps Lock and every other key; a release clears the held bit.
void SimInputMethod::SendKeyEvent(uint8_t virtualKey, bool keyUp) {
  events_.push_back(SimEvent::KeyStroke(virtualKey, keyUp));
  uint8_t& state = keyboard_[virtualKey];
  if (keyUp) {
    state = static_cast<uint8_t>(state & ~0x80);
  } else {
    if ((state & 0x80) == 0) state = static_cast<uint8_t>(state ^ 0x01);
    state = static_cast<uint8_t>(state | 0x80);
  }
}

SimInputMethod::Block* SimInputMethod::FindBlock(BlockHandle block) {
  auto found = blocks_.find(ToId(block));
  return found == blocks_.end() ? nullptr : &found->second;
}

const SimInputMethod::Window* SimInputMethod::LookUpWindow(WindowHandle window) const {
  auto found = windows_.find(ToId(window));
  return found == windows_.end() ? nullptr : &found->second;
}

}  // namespace kellavor::platform
