// Starting a program of the install folder: the settings program, the viewer, a theme's program.
#pragma once

#include <cstddef>
#include <string>

namespace kellavor::ui {

// The longest command line, in bytes of the ANSI code page, that is started.
inline constexpr size_t kMaxCommandLineBytes = 259;

// Starts folder + file with the arguments (see ProgramCommandLine), shown as show says, and
// returns once it first waits for input or after the platform's time-out. False when it could
// not be started, and when the command line does not fit or cannot be written in the ANSI code
// page: such a line would start something else than asked for.
bool StartProgram(const std::u16string& folder, const std::u16string& file, const std::u16string& arguments, int show);

}  // namespace kellavor::ui
