#include "ime/core/message_generator.h"

namespace kellavor::core {

void MessageGenerator::BeginTranslation(void* list) {
  list_.emplace(list);
  stored_ = 0;
}

uint32_t MessageGenerator::EndTranslation() {
  const uint32_t stored = stored_;
  list_.reset();
  stored_ = 0;
  return stored;
}

bool MessageGenerator::GenerateMessage(platform::ContextHandle context, uint32_t message, uintptr_t wParam,
                                       intptr_t lParam) {
  const platform::LockedContext locked = port_.LockContext(context);
  if (locked == nullptr) return false;
  const platform::ImeMessage record{message, wParam, lParam};
  if (list_.has_value()) {
    port_.UnlockContext(context);
    if (stored_ + 1 >= list_->Capacity()) return false;
    list_->Store(stored_, record);
    ++stored_;
    return true;
  }
  bool generated = true;
  if (port_.IsWindow(port_.ContextWindow(locked))) {
    generated = port_.AppendBufferedMessage(locked, record);
    if (generated) port_.GenerateMessages(context);
  }
  port_.UnlockContext(context);
  return generated;
}

}  // namespace kellavor::core
