// Any bytes as the text of a dictionary-site request: the first byte picks the lookup page (even)
// or the word page (odd), the rest is the word or the letters as the request carried them. The
// page must carry the success marker exactly when a lookup found its word, and its markup must be
// the site's own: every tag and attribute name in it is one the site's pages for ordinary words
// use, so no text of the request ever became markup.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "fuzz/fuzz_folder.h"
#include "tools/dictsite/site_answers.h"
#include "tools/dictsite/site_pages.h"
#include "tools/dictsite/word_details.h"

namespace {

using namespace kellavor;

bool IsNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

// The markup of a page: each tag name, each "tag attribute", and "<" for a bare angle bracket.
std::set<std::string> Markup(std::string_view page) {
  std::set<std::string> names;
  size_t at = 0;
  while ((at = page.find('<', at)) != std::string_view::npos) {
    ++at;
    if (page.substr(at).starts_with("!--")) {
      at = page.find("-->", at);
      if (at == std::string_view::npos) {
        names.insert("<!--");
        return names;
      }
      continue;
    }
    if (at < page.size() && (page[at] == '/' || page[at] == '!')) ++at;
    const size_t nameStart = at;
    while (at < page.size() && IsNameCharacter(page[at])) ++at;
    const std::string tag(page.substr(nameStart, at - nameStart));
    names.insert(tag.empty() ? std::string("<") : tag);
    // Attributes up to the closing bracket; quoted values are skipped whole.
    while (at < page.size() && page[at] != '>') {
      if (page[at] == '"' || page[at] == '\'') {
        const size_t close = page.find(page[at], at + 1);
        if (close == std::string_view::npos) {
          names.insert("unclosed quote");
          return names;
        }
        at = close + 1;
      } else if (IsNameCharacter(page[at])) {
        const size_t attributeStart = at;
        while (at < page.size() && IsNameCharacter(page[at])) ++at;
        names.insert(tag + " " + std::string(page.substr(attributeStart, at - attributeStart)));
        if (at < page.size() && page[at] == '=' && at + 1 < page.size() && page[at + 1] != '"' && page[at + 1] != '\'') {
          while (at < page.size() && page[at] != ' ' && page[at] != '>') ++at;
        }
      } else {
        ++at;
      }
    }
  }
  return names;
}

struct Site {
  lexicon::SystemDictionaries dictionaries{lexicon::SystemMappingNames{
      fuzz::UniqueName(u"SSi"), fuzz::UniqueName(u"SPh"), fuzz::UniqueName(u"SDe"), fuzz::UniqueName(u"SLm")}};
  std::set<std::string> markup;

  Site() {
    dictionaries.MapSystemFiles(u"", u"", fuzz::FixtureFolder() + u"data_de.bin");
    for (std::string_view word : {"Haus", "M\xC3\xA4" "dchen", "haus", "Quatschwort", ""}) {
      for (const std::string& page : {dictsite::AnswerLookup(dictionaries, word), dictsite::AnswerWordPage(dictionaries, word)}) {
        const std::set<std::string> names = Markup(page);
        markup.insert(names.begin(), names.end());
      }
    }
    for (const std::string& page : {dictsite::WordPage("h", {}), dictsite::UnknownWordPage("")}) {
      const std::set<std::string> names = Markup(page);
      markup.insert(names.begin(), names.end());
    }
    if (markup.count("<") != 0 || markup.count("unclosed quote") != 0) std::abort();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const Site site;
  const std::string_view raw(reinterpret_cast<const char*>(data) + 1, size - 1);
  const bool lookup = data[0] % 2 == 0;
  const std::string page =
      lookup ? dictsite::AnswerLookup(site.dictionaries, raw) : dictsite::AnswerWordPage(site.dictionaries, raw);
  bool found = false;
  if (lookup) {
    const std::optional<std::u16string> word = dictsite::CheckedWord(raw);
    found = word.has_value() && dictsite::LookUpWord(site.dictionaries, *word).has_value();
  }
  if ((page.find(dictsite::kSuccessMarker) != std::string::npos) != found) std::abort();
  for (const std::string& name : Markup(page)) {
    if (site.markup.count(name) == 0) std::abort();
  }
  return 0;
}
