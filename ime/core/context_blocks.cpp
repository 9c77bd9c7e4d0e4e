#include "ime/core/context_blocks.h"

#include <span>

#include "ime/core/candidate_info_block.h"
#include "ime/core/composition_string_block.h"
#include "ime/core/ime_messages.h"

namespace kellavor::core {
namespace {

// Calls edit with the bytes of the block, locked for the call; nothing when it cannot be locked.
template <typename Edit>
void EditBlock(platform::InputMethodPort& port, platform::BlockHandle block, const Edit& edit) {
  if (block == nullptr) return;
  const std::span<uint8_t> bytes = port.LockBlock(block);
  if (bytes.empty()) return;
  edit(bytes);
  port.UnlockBlock(block);
}

platform::BlockHandle NewBlock(platform::InputMethodPort& port, platform::BlockHandle old, size_t size) {
  port.DestroyBlock(old);
  platform::BlockHandle block = port.CreateBlock(size);
  if (block == nullptr) return nullptr;
  platform::BlockHandle resized = port.ResizeBlock(block, size);
  return resized != nullptr ? resized : block;
}

}  // namespace

void RecreateContextBlocks(platform::InputMethodPort& port, platform::LockedContext context) {
  platform::BlockHandle composition =
      NewBlock(port, port.CompositionStringBlock(context), kCompositionStringBlockSize);
  port.SetCompositionStringBlock(context, composition);
  EditBlock(port, composition, [](std::span<uint8_t> bytes) { InitCompositionStringBlock(bytes); });

  platform::BlockHandle candidates = NewBlock(port, port.CandidateInfoBlock(context), kCandidateInfoBlockSize);
  port.SetCandidateInfoBlock(context, candidates);
  EditBlock(port, candidates, [](std::span<uint8_t> bytes) { InitCandidateInfoBlock(bytes); });
}

void ClearCompositionString(platform::InputMethodPort& port, platform::ContextHandle context) {
  const platform::LockedContext locked = port.LockContext(context);
  if (locked == nullptr) return;
  EditBlock(port, port.CompositionStringBlock(locked), [](std::span<uint8_t> bytes) {
    ClearCompositionStringBlock(bytes);
  });
  port.UnlockContext(context);
}

void ClearCandidateList(platform::InputMethodPort& port, platform::ContextHandle context) {
  const platform::LockedContext locked = port.LockContext(context);
  if (locked == nullptr) return;
  EditBlock(port, port.CandidateInfoBlock(locked), [](std::span<uint8_t> bytes) { ClearCandidateListBlock(bytes); });
  port.UnlockContext(context);
}

void NotifyUiWindow(platform::InputMethodPort& port, const InputPanel& panel, platform::ContextHandle context,
                    uint32_t message) {
  if (port.LockContext(context) == nullptr) return;
  platform::WindowHandle ui = nullptr;
  if (port.IsWindow(panel.CompositionWindow())) {
    ui = port.OwnerWindow(panel.CompositionWindow());
  } else if (port.IsWindow(panel.UiWindow())) {
    ui = panel.UiWindow();
  } else if (platform::WindowHandle status = port.FindWindowOfClass(kStatusWindowClass); status != nullptr) {
    ui = port.OwnerWindow(status);
  }
  if (ui != nullptr) port.SendToWindow(ui, message, 0, 0);
  port.UnlockContext(context);
}

}  // namespace kellavor::core
