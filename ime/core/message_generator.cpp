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

bool MessageGenerator::GenerateMessage(const platform::ContextLock& context, uint32_t message, uintptr_t wParam,
                                       intptr_t lParam) {
  if (!context) return false;
  const platform::ImeMessage record{message, wParam, lParam};
  if (list_.has_value()) {
    if (stored_ + 1 >= list_->Capacity()) return false;
    list_->Store(stored_, record);
    ++stored_;
    return true;
  }
  if (!port_.IsWindow(port_.ContextWindow(context.fields()))) return true;
  if (!port_.AppendBufferedMessage(context.fields(), record)) return false;
  port_.GenerateMessages(context.handle());
  return true;
}

}  // namespace kellavor::core
