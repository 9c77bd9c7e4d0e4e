// The arguments of a program's own command line: what follows its name, which Windows hands over
// as the first word, in double quotes when the path holds blanks.
#pragma once

#include <string_view>

namespace kellavor::platform {

// The text without the blanks (spaces, tabs) around it.
std::u16string_view TrimmedBlanks(std::u16string_view text);

// What follows the program's name, without the blanks around it.
std::u16string_view ArgumentsOf(std::u16string_view commandLine);

}  // namespace kellavor::platform
