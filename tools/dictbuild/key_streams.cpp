#include "tools/dictbuild/key_streams.h"

#include <fstream>

#include "ime/platform/utf.h"

namespace kellavor::dictbuild {

std::vector<std::u16string> ReadKeyStreams(const std::vector<std::string>& paths) {
  std::vector<std::u16string> words;
  for (const std::string& path : paths) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
      const std::string letters = line.substr(0, line.find('\t'));
      if (!letters.empty() && letters[0] != '#') words.push_back(platform::Utf8ToUtf16(letters));
    }
  }
  return words;
}

}  // namespace kellavor::dictbuild
