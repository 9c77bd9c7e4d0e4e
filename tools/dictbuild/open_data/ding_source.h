// Articles of Ding's German-English dictionary in its dictd form: the first German word on the
// first line, the rest of the German text (grammar labels, further words) on the lines that
// follow, then the English text on lines indented by three spaces, its senses separated by ";".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

struct DingArticle {
  std::string headword;  // the first line, without a verb's objects ("etw. kaufen": kaufen)
  std::string german;    // the whole German text, the headword first
  std::string english;   // the English text, its lines joined by spaces
  // Whether the German text is the headword alone with remarks, such as "Haus {n} [arch.]".
  bool singleWord = false;
  // Whether the remarks label the word an adjective ("bedeutend {adj}").
  bool adjective = false;
};

DingArticle ParseDingArticle(std::string_view article);

// The senses of an English text: its parts between ";" outside brackets, trimmed, without empty ones.
std::vector<std::string_view> DingSenses(std::string_view english);

}  // namespace kellavor::dictbuild
