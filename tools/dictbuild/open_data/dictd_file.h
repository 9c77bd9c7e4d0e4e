// Dictionaries in dictd format: an index of lines "headword<TAB>offset<TAB>length" (numbers in
// dictd's base-64 digits) into a body text that holds one article per index line.
#pragma once

#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

// The articles of the body in body order, each once even when several index lines point to it.
// Index lines that are malformed or point outside the body are skipped, and so are the
// database's own articles (headwords starting "00-database").
std::vector<std::string_view> DictdArticles(std::string_view index, std::string_view body);

}  // namespace kellavor::dictbuild
