#include "ext_writer/settings_target.h"

#include <algorithm>

namespace kellavor::ext_writer {
namespace {

char16_t Folded(char16_t unit) {
  if (unit == u'/') return u'\\';
  if (unit >= u'A' && unit <= u'Z') return static_cast<char16_t>(unit - u'A' + u'a');
  return unit;
}

}  // namespace

bool IsUserSettingsFile(const std::u16string& path, const std::u16string& userFolder) {
  if (userFolder.empty()) return false;
  const std::u16string expected = userFolder + u"config.ini";
  return path.size() == expected.size() &&
         std::equal(path.begin(), path.end(), expected.begin(), [](char16_t a, char16_t b) { return Folded(a) == Folded(b); });
}

}  // namespace kellavor::ext_writer
