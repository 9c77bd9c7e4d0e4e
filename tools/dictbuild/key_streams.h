// Key stream files, the input of the side-by-side checks: the words a writer types, one a line.
#pragma once

#include <string>
#include <vector>

namespace kellavor::dictbuild {

// The words of key stream files in UTF-8: one a line, the letters before an optional tab; empty
// lines and lines starting with '#' are skipped.
std::vector<std::u16string> ReadKeyStreams(const std::vector<std::string>& paths);

}  // namespace kellavor::dictbuild
