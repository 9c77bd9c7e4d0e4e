// The text the language model is counted from: every document file under the given folders
// (HTML pages, plain text, manual pages; gzip-compressed or not) read as UTF-8, in path order,
// cut into runs of Chinese characters. Symbolic links are not followed, so a page installed under
// two names counts once.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kellavor::dictbuild {

std::vector<std::u16string> ReadChineseCorpus(const std::vector<std::string>& folders, std::ostream& log);

}  // namespace kellavor::dictbuild
