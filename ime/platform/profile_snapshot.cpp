#include <algorithm>

#include "ime/platform/private_profile.h"

namespace kellavor::platform {

ProfileSnapshot::ProfileSnapshot(const std::u16string& path) {
  if (std::optional<std::u16string> text = ReadProfileText(path)) document_ = ProfileDocument::FromText(std::move(*text));
}

size_t ProfileSnapshot::ReadValue(const std::u16string& section, const std::u16string& key,
                                  const std::u16string& defaultValue, char16_t* buffer, size_t capacity) const {
  if (capacity == 0) return 0;
  std::optional<std::u16string> value;
  if (document_) value = document_->Find(section, key);
  if (!value) {
    std::u16string_view fallback(defaultValue);
    fallback = fallback.substr(0, fallback.find(u'\0'));
    while (!fallback.empty() && (fallback.back() == u' ' || (fallback.back() >= u'\t' && fallback.back() <= u'\r'))) {
      fallback.remove_suffix(1);
    }
    value = std::u16string(fallback);
  }
  const size_t count = std::min(value->size(), capacity - 1);
  std::copy_n(value->data(), count, buffer);
  buffer[count] = u'\0';
  return count;
}

}  // namespace kellavor::platform
