#include "ime/lexicon/speller.h"

#include <hunspell.hxx>

#include <algorithm>
#include <exception>
#include <utility>

#include "ime/platform/file_system.h"
#include "ime/platform/narrow_path.h"

namespace kellavor::lexicon {
namespace {

// Hunspell reads an input beginning with this marker as a request of its XML interface (which
// can analyse, generate and even add words) instead of a word to correct.
constexpr std::string_view kHunspellXmlMarker = "<?xml";

bool IsAsciiUpper(char16_t c) { return c >= u'A' && c <= u'Z'; }
bool IsAsciiLower(char16_t c) { return c >= u'a' && c <= u'z'; }

// German nouns are capitalised in the dictionary, and Hunspell corrects a word written in lower
// case only to words in lower case: typed without capitals, as the folded German search allows,
// a misspelt noun would get no correction at all. Asked with a capital first letter, Hunspell
// corrects to both forms (and capitalises every suggestion, which the folded lookup ignores).
std::u16string AskedForm(std::u16string_view word) {
  std::u16string asked(word);
  if (IsAsciiLower(asked.front()) && std::none_of(asked.begin(), asked.end(), IsAsciiUpper)) {
    asked.front() = static_cast<char16_t>(asked.front() - u'a' + u'A');
  }
  return asked;
}

std::optional<std::u16string> SpellFolderOf(std::u16string_view charDictionaryPath) {
  for (size_t i = charDictionaryPath.size(); i > 0; --i) {
    if (platform::IsPathSeparator(charDictionaryPath[i - 1])) {
      return std::u16string(charDictionaryPath.substr(0, i - 1)) + platform::kPathSeparator + u"spell" +
             platform::kPathSeparator;
    }
  }
  return std::nullopt;
}

}  // namespace

Speller::Speller(size_t cachedInputs) : cache_(cachedInputs) {}

Speller::~Speller() = default;

void Speller::CreateSpeller(std::u16string_view charDictionaryPath) {
  DeleteSpeller();
  pendingFolder_ = SpellFolderOf(charDictionaryPath);
}

void Speller::DeleteSpeller() {
  pendingFolder_.reset();
  hunspell_.reset();
  cache_.Clear();
}

void Speller::Load() {
  const std::u16string folder = std::move(*pendingFolder_);
  pendingFolder_.reset();
  const auto affix = platform::FindFirstFileWithSuffix(folder, u".aff");
  const auto dictionary = platform::FindFirstFileWithSuffix(folder, u".dic");
  if (!affix || !dictionary) return;
  const auto affixPath = platform::NarrowFilePath(folder + *affix);
  const auto dictionaryPath = platform::NarrowFilePath(folder + *dictionary);
  if (!affixPath || !dictionaryPath) return;
  try {
    hunspell_ = std::make_unique<Hunspell>(affixPath->c_str(), dictionaryPath->c_str());
    encoding_ = DictionaryEncodingFromName(hunspell_->get_dict_encoding());
  } catch (const std::exception&) {
    hunspell_.reset();
  }
}

std::vector<std::u16string> Speller::SuggestWords(std::u16string_view word) {
  if (pendingFolder_) Load();
  if (!hunspell_ || word.empty()) return {};
  if (const auto* cached = cache_.Find(word)) return *cached;

  const std::string encoded = EncodeForDictionary(AskedForm(word), encoding_);
  if (encoded.starts_with(kHunspellXmlMarker)) return {};
  std::vector<std::u16string> suggestions;
  try {
    for (const std::string& suggestion : hunspell_->suggest(encoded)) {
      suggestions.push_back(DecodeFromDictionary(suggestion, encoding_));
    }
    cache_.Store(std::u16string(word), suggestions);
  } catch (const std::exception&) {
    return {};
  }
  return suggestions;
}

}  // namespace kellavor::lexicon
