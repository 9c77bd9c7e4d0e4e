#include "ime/core/translation_list.h"

#include <cstring>

namespace kellavor::core {

uint32_t TranslationList::Capacity() const {
  uint32_t capacity = 0;
  if (bytes_ == nullptr) return 0;
  std::memcpy(&capacity, bytes_, sizeof(capacity));
  return capacity;
}

bool TranslationList::Store(uint32_t index, const platform::ImeMessage& message) {
  if (index >= Capacity()) return false;
  uint8_t* record = bytes_ + kTranslationRecordsOffset + size_t {index} * kTranslationRecordSize;
  std::memset(record, 0, kTranslationRecordSize);
  std::memcpy(record, &message.message, sizeof(message.message));
  std::memcpy(record + sizeof(uintptr_t), &message.wParam, sizeof(message.wParam));
  std::memcpy(record + 2 * sizeof(uintptr_t), &message.lParam, sizeof(message.lParam));
  return true;
}

platform::ImeMessage TranslationList::At(uint32_t index) const {
  if (index >= Capacity()) return {};
  const uint8_t* record = bytes_ + kTranslationRecordsOffset + size_t {index} * kTranslationRecordSize;
  platform::ImeMessage message;
  std::memcpy(&message.message, record, sizeof(message.message));
  std::memcpy(&message.wParam, record + sizeof(uintptr_t), sizeof(message.wParam));
  std::memcpy(&message.lParam, record + 2 * sizeof(uintptr_t), sizeof(message.lParam));
  return message;
}

TranslationListBuffer::TranslationListBuffer(uint32_t capacity)
    : words_(1 + size_t {capacity} * (kTranslationRecordSize / sizeof(uintptr_t)), 0) {
  std::memcpy(words_.data(), &capacity, sizeof(capacity));
}

}  // namespace kellavor::core
