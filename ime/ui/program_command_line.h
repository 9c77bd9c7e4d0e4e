// The command line that starts a program of the install folder (or of a theme folder).
#pragma once

#include <string>

namespace kellavor::ui {

// The program's path, folder followed by file, in double quotes, so that a folder with blanks
// ("C:\Program Files\...") names the program and not its first word; then, when there are
// arguments, a blank and the arguments as they are.
std::u16string ProgramCommandLine(const std::u16string& folder, const std::u16string& file,
                                  const std::u16string& arguments);

}  // namespace kellavor::ui
