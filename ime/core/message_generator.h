// Delivery of input-method messages to the application. Inside ImeToAsciiEx the messages go into
// the translation list the manager handed over; at any other time (a cancel request, a mode switch
// from the status menu) into the context's message buffer, which the manager is asked to deliver.
#pragma once

#include <cstdint>
#include <optional>

#include "ime/core/translation_list.h"
#include "ime/platform/ime_port.h"

namespace kellavor::core {

class MessageGenerator {
 public:
  explicit MessageGenerator(platform::InputMethodPort& port) : port_(port) {}

  // Binds the translation list of one ImeToAsciiEx call, with no messages stored yet.
  void BeginTranslation(void* list);
  // Unbinds the list; the number of messages stored in it.
  uint32_t EndTranslation();
  bool IsTranslating() const { return list_.has_value(); }

  // While a list is bound the message is stored in it, as long as the stored messages plus one
  // stay below its capacity (the manager's rule); a message that does not fit is dropped and the
  // result is false. Otherwise the message is appended to the context's buffer and delivered; a
  // context without a window gets nothing and the result is true. The context is one the caller
  // holds locked; false when that lock failed or the buffer cannot grow.
  bool GenerateMessage(const platform::ContextLock& context, uint32_t message, uintptr_t wParam, intptr_t lParam);

 private:
  platform::InputMethodPort& port_;
  std::optional<TranslationList> list_;
  uint32_t stored_ = 0;
};

}  // namespace kellavor::core
