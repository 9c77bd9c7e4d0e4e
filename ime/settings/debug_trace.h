// Diagnostics: formatted lines for the debugger output, never a log file.
#pragma once

#include <cstdarg>
#include <string>

namespace kellavor::settings {

// The line DebugTrace emits: the printf-style text, cut to 4095 characters, without its trailing
// white space, followed by CR LF.
std::string FormatTraceLine(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
std::string FormatTraceLineV(const char* format, va_list arguments) __attribute__((format(gnu_printf, 1, 0)));

void DebugTrace(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

}  // namespace kellavor::settings
