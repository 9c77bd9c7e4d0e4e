// Articles of the FreeDict German-English dictionary in dictd form: a first line with the German
// text, its pronunciation between slashes and part-of-speech labels in <>, a second line with the
// English senses separated by ",", then notes, examples ("German"  - English), synonyms and
// cross references on indented lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

struct BilingualExample {
  std::string german;
  std::string english;
};

struct FreeDictArticle {
  std::string headword;  // the German text of the first line, without pronunciation and labels
  bool singleWord = false;
  std::vector<std::string> senses;
  std::vector<BilingualExample> examples;
};

FreeDictArticle ParseFreeDictArticle(std::string_view article);

}  // namespace kellavor::dictbuild
