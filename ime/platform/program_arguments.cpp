#include "ime/platform/program_arguments.h"

namespace kellavor::platform {
namespace {

bool IsBlank(char16_t unit) { return unit == u' ' || unit == u'\t'; }

}  // namespace

std::u16string_view TrimmedBlanks(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::u16string_view ArgumentsOf(std::u16string_view commandLine) {
  commandLine = TrimmedBlanks(commandLine);
  size_t end = 0;
  if (!commandLine.empty() && commandLine.front() == u'"') {
    end = commandLine.find(u'"', 1);
    end = end == std::u16string_view::npos ? commandLine.size() : end + 1;
  } else {
    while (end < commandLine.size() && !IsBlank(commandLine[end])) ++end;
  }
  return TrimmedBlanks(commandLine.substr(end));
}

}  // namespace kellavor::platform
