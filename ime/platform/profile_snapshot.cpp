#include <algorithm>
#include <tuple>

#include "ime/platform/private_profile.h"

namespace kellavor::platform {

ProfileSnapshot::ProfileSnapshot(const std::u16string& path) {
  if (std::optional<std::u16string> text = ReadProfileText(path)) {
    entries_ = ProfileDocument::FromText(std::move(*text)).Entries();
  }
}

size_t CopyProfileValue(const std::optional<std::u16string>& value, const std::u16string& defaultValue,
                        char16_t* buffer, size_t capacity) {
  if (capacity == 0) return 0;
  std::u16string_view copied;
  if (value) {
    copied = *value;
  } else {
    copied = defaultValue;
    copied = copied.substr(0, copied.find(u'\0'));
    while (!copied.empty() && (copied.back() == u' ' || (copied.back() >= u'\t' && copied.back() <= u'\r'))) {
      copied.remove_suffix(1);
    }
  }
  const size_t count = std::min(copied.size(), capacity - 1);
  std::copy_n(copied.data(), count, buffer);
  buffer[count] = u'\0';
  return count;
}

size_t ProfileSnapshot::ReadValue(const std::u16string& section, const std::u16string& key,
                                  const std::u16string& defaultValue, char16_t* buffer, size_t capacity) const {
  const ProfileDocument::Entry wanted{ProfileDocument::NameKey(section), ProfileDocument::NameKey(key), std::nullopt};
  const auto names = [](const ProfileDocument::Entry& entry) { return std::tie(entry.section, entry.key); };
  const auto found = std::lower_bound(entries_.begin(), entries_.end(), wanted,
                                      [&](const auto& a, const auto& b) { return names(a) < names(b); });
  const bool listed = found != entries_.end() && names(*found) == names(wanted);
  return CopyProfileValue(listed ? found->value : std::nullopt, defaultValue, buffer, capacity);
}

}  // namespace kellavor::platform
