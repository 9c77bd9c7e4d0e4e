#include "settings_program/ini_check.h"

#include <string>
#include <string_view>

namespace kellavor::settings_program {
namespace {

bool IsBlank(char16_t unit) { return unit == u' ' || unit == u'\t'; }

bool IsIniLine(std::u16string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && (IsBlank(line.back()) || line.back() == u'\r')) line.remove_suffix(1);
  if (line.empty() || line.front() == u';' || line.front() == u'#') return true;
  if (line.front() == u'[') return line.back() == u']' && line.size() > 2;
  const size_t equals = line.find(u'=');
  return equals != std::u16string_view::npos && equals > 0;
}

}  // namespace

bool IsWritableIni(std::span<const uint8_t> file) {
  std::u16string text;
  if (file.size() >= 2 && file[0] == 0xFF && file[1] == 0xFE) {
    if (file.size() % 2 != 0) return false;
    for (size_t i = 2; i < file.size(); i += 2) text.push_back(static_cast<char16_t>(file[i] | file[i + 1] << 8));
  } else {
    // Bytes beyond ASCII stand for themselves here: only the line structure is looked at.
    for (const uint8_t byte : file) text.push_back(static_cast<char16_t>(byte));
  }
  for (const char16_t unit : text) {
    if (unit == 0 || (unit < 0x20 && unit != u'\t' && unit != u'\r' && unit != u'\n')) return false;
  }
  std::u16string_view rest = text;
  if (rest.size() >= 3 && rest[0] == 0xEF && rest[1] == 0xBB && rest[2] == 0xBF) rest.remove_prefix(3);
  while (!rest.empty()) {
    const size_t end = rest.find(u'\n');
    if (!IsIniLine(rest.substr(0, end))) return false;
    if (end == std::u16string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return true;
}

}  // namespace kellavor::settings_program
