#include "ime/settings/debug_trace.h"

#include <cstdio>
#include <cstring>

#include "ime/platform/debug_output.h"

namespace kellavor::settings {

std::string FormatTraceLineV(const char* format, va_list arguments) {
  char buffer[4096];
  if (std::vsnprintf(buffer, sizeof buffer, format, arguments) < 0) buffer[0] = '\0';
  std::string line(buffer, std::strlen(buffer));
  while (!line.empty() && (line.back() == ' ' || (line.back() >= '\t' && line.back() <= '\r'))) line.pop_back();
  return line + "\r\n";
}

std::string FormatTraceLine(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::string line = FormatTraceLineV(format, arguments);
  va_end(arguments);
  return line;
}

void DebugTrace(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const std::string line = FormatTraceLineV(format, arguments);
  va_end(arguments);
  platform::OutputDebugLine(line.c_str());
}

}  // namespace kellavor::settings
