#include "ime/core/context_blocks.h"

#include "ime/core/candidate_info_block.h"
#include "ime/core/composition_string_block.h"

namespace kellavor::core {

namespace {

platform::BlockHandle NewBlock(platform::InputMethodPort& port, platform::BlockHandle old, size_t size) {
  port.DestroyBlock(old);
  platform::BlockHandle block = port.CreateBlock(size);
  if (block == nullptr) return nullptr;
  platform::BlockHandle resized = port.ResizeBlock(block, size);
  return resized != nullptr ? resized : block;
}

}  // namespace

void RecreateContextBlocks(platform::InputMethodPort& port, const platform::ContextLock& context) {
  if (!context) return;
  const platform::BlockHandle composition =
      NewBlock(port, port.CompositionStringBlock(context.fields()), kCompositionStringBlockSize);
  port.SetCompositionStringBlock(context.fields(), composition);
  if (const platform::BlockLock block(port, composition); block) InitCompositionStringBlock(block.bytes());

  const platform::BlockHandle candidates =
      NewBlock(port, port.CandidateInfoBlock(context.fields()), kCandidateInfoBlockSize);
  port.SetCandidateInfoBlock(context.fields(), candidates);
  if (const platform::BlockLock block(port, candidates); block) InitCandidateInfoBlock(block.bytes());
}

void ClearCompositionString(platform::InputMethodPort& port, const platform::ContextLock& context) {
  if (!context) return;
  const platform::BlockLock block(port, port.CompositionStringBlock(context.fields()));
  if (block) ClearCompositionStringBlock(block.bytes());
}

void ClearCandidateList(platform::InputMethodPort& port, const platform::ContextLock& context) {
  if (!context) return;
  const platform::BlockLock block(port, port.CandidateInfoBlock(context.fields()));
  if (block) ClearCandidateListBlock(block.bytes());
}

void NotifyUiWindow(platform::InputMethodPort& port, const InputPanel& panel, const platform::ContextLock& context,
                    uint32_t message) {
  if (!context) return;
  platform::WindowHandle ui = nullptr;
  if (port.IsWindow(panel.CompositionWindow())) {
    ui = port.OwnerWindow(panel.CompositionWindow());
  } else if (port.IsWindow(panel.UiWindow())) {
    ui = panel.UiWindow();
  } else if (port.IsWindow(panel.StatusWindow())) {
    ui = port.OwnerWindow(panel.StatusWindow());
  }
  if (ui != nullptr) port.SendToWindow(ui, message, 0, 0);
}

}  // namespace kellavor::core
