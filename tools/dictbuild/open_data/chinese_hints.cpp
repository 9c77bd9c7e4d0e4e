#include "tools/dictbuild/open_data/chinese_hints.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "ime/platform/utf.h"
#include "tools/dictbuild/open_data/english_sense.h"
#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {
namespace {

// A character's weight in the pinyin dictionary counts its use inside longer words as well;
// dividing it brings it near the weight of a word of its own.
constexpr double kCharacterWeightDivisor = 4;
// A reading the pinyin dictionary lacks falls back to a share of the text's weight.
constexpr double kUnlistedReadingDivisor = 4;
// Scores are logarithms of weights: each unit below doubles or halves the weight. CC-CEDICT lists
// an entry's main sense first, so the place of the matching definition says much about whether
// the Chinese word means what the German one does.
constexpr double kPrimaryBonus = 3;
constexpr double kPlacePenalty = 0.5;
constexpr double kMostPlacePenalty = 2;
constexpr double kQualifiedPenalty = 2;
constexpr double kVerbalMismatchPenalty = 6;
constexpr double kNounBonus = 3;
constexpr double kSingularPenalty = 1;
// A name (capitalised pinyin) for a sense written as a name: Germany is 德国.
constexpr double kNameBonus = 3;
constexpr double kLeastQuality = 0.5;
// An alternative is offered only when it scores at least this share of the best gloss.
constexpr double kAlternativeShare = 0.6;

bool IsHan(char32_t c) {
  return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0x20000 && c <= 0x3FFFF) || c == 0x3007;
}

// Definitions that do not give a sense a German word could be glossed by: cross references,
// surnames, and senses the dictionary marks as literary, dialectal, bound or otherwise restricted.
bool IsRestricted(std::string_view definition) {
  std::string lower(definition);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  static constexpr std::array<std::string_view, 14> kPrefixes = {
      "variant of", "old variant of", "archaic variant of", "erhua variant", "surname", "see ",
      "used in", "abbr. for", "classifier for", "cl:", "taiwan pr.", "also pr.", "also written",
      "japanese variant"};
  static constexpr std::array<std::string_view, 16> kRemarks = {
      "(bound form)", "(literary)", "(archaic)", "(old)", "(classical", "(dialect",
      "(cantonese", "(tw)", "(slang)", "(internet slang)", "(vulgar)", "(euphemism)", "(onom",
      "(honorific", "(obsolete", "(in names)"};
  for (const std::string_view prefix : kPrefixes) {
    if (lower.starts_with(prefix)) return true;
  }
  for (const std::string_view remark : kRemarks) {
    if (lower.find(remark) != std::string::npos) return true;
  }
  return false;
}

// Whether a remark in brackets narrows the sense ("you (plural)"); a remark before it, such as
// "(loanword) coffee" or "(coll.) hour", says how the word is used and does not.
bool NarrowsInBrackets(std::string_view part) {
  size_t at = part.find_first_not_of(' ');
  while (at != std::string_view::npos && part[at] == '(') {
    const size_t close = part.find(')', at);
    if (close == std::string_view::npos) return true;
    at = part.find_first_not_of(' ', close + 1);
  }
  return at != std::string_view::npos && part.find('(', at) != std::string_view::npos;
}

// Articles, and the English prepositions and relative pronouns by which Ding glosses German function
// words: CC-CEDICT renders them by literary or narrow characters (on, at: 于; that: 那; whom: 谁)
// that mislead more than they help.
bool IsFunctionSense(std::string_view sense) {
  static constexpr std::array<std::string_view, 15> kFunctionSenses = {
      "the", "a", "an", "on", "at", "in", "to", "for", "by", "of", "as", "that", "who", "whom", "which"};
  return std::find(kFunctionSenses.begin(), kFunctionSenses.end(), sense) != kFunctionSenses.end();
}

std::string ReadingKey(std::string_view text, std::string_view syllables) {
  std::string key(text);
  key.push_back('\t');
  key += syllables;
  return key;
}

std::string JoinSyllables(const std::vector<std::string>& syllables) {
  std::string joined;
  for (const std::string& syllable : syllables) {
    if (!joined.empty()) joined.push_back(' ');
    joined += syllable;
  }
  return joined;
}

}  // namespace

ChineseGlossary::ChineseGlossary(const std::vector<CedictEntry>& cedict,
                                 const PinyinDictionary& pinyin) {
  std::unordered_map<std::string, double> readingWeights;
  std::unordered_map<std::string, double> textWeights;
  for (const PinyinDictionaryLine& line : pinyin.lines) {
    const std::string text = platform::Utf16ToUtf8(CodePointsToUtf16(line.text));
    const double weight = line.weight.value_or(kUnweightedLineWeight);
    readingWeights[ReadingKey(text, JoinSyllables(line.syllables))] += weight;
    textWeights[text] += weight;
  }

  std::unordered_map<std::string, uint32_t> textPositions;
  for (const CedictEntry& entry : cedict) {
    if (entry.pinyin.empty()) continue;
    // Capitalised pinyin marks proper names, which only gloss senses written as names.
    const bool name = entry.pinyin[0] >= 'A' && entry.pinyin[0] <= 'Z';
    const std::u32string points = DecodeUtf8(entry.simplified);
    if (points.empty() || !std::all_of(points.begin(), points.end(), IsHan)) continue;
    const std::u16string text = CodePointsToUtf16(points);
    if (text.size() > kLongestGloss) continue;

    double frequency = 0;
    if (const auto reading = readingWeights.find(ReadingKey(entry.simplified, TonelessPinyin(entry.pinyin)));
        reading != readingWeights.end()) {
      frequency = reading->second;
    } else if (const auto any = textWeights.find(entry.simplified); any != textWeights.end()) {
      frequency = any->second / kUnlistedReadingDivisor;
    }
    if (points.size() == 1) frequency /= kCharacterWeightDivisor;

    const auto [position, added] = textPositions.try_emplace(entry.simplified, static_cast<uint32_t>(texts_.size()));
    if (added) {
      texts_.push_back(text);
      frequencies_.push_back(frequency);
    } else {
      frequencies_[position->second] = std::max(frequencies_[position->second], frequency);
    }

    for (size_t index = 0; index < entry.definitions.size(); ++index) {
      const std::string& definition = entry.definitions[index];
      if (IsRestricted(definition)) continue;
      bool firstPart = true;
      for (const std::string_view part : SplitOutsideBrackets(definition, ';')) {
        const bool primary = index == 0 && firstPart;
        firstPart = false;
        if (IsRestricted(TrimSpaces(part))) continue;
        const std::string sense = NormaliseSense(part);
        if (sense.empty()) continue;
        const auto place = static_cast<uint8_t>(std::min<size_t>(index, 255));
        AddMatch(sense, Match{position->second, place, primary, NarrowsInBrackets(part), IsVerbalSense(part),
                              entry.countable, name});
      }
    }
  }
}

void ChineseGlossary::AddMatch(const std::string& sense, Match match) {
  std::vector<Match>& matches = senses_[sense];
  for (Match& known : matches) {
    if (known.text != match.text) continue;
    if (known.verbal != match.verbal || known.name != match.name) continue;
    known.place = std::min(known.place, match.place);
    known.primary = known.primary || match.primary;
    known.qualified = known.qualified && match.qualified;
    known.countable = known.countable || match.countable;
    return;
  }
  matches.push_back(match);
}

std::vector<std::u16string> ChineseGlossary::Glosses(const std::vector<WeightedSense>& senses, bool noun) const {
  std::unordered_map<uint32_t, double> scores;
  const size_t leading = std::min(senses.size(), kLeadingSenses);
  for (size_t i = 0; i < leading; ++i) {
    const WeightedSense& sense = senses[i];
    if (IsFunctionSense(sense.sense)) continue;
    double penalty = 0;
    auto found = senses_.find(sense.sense);
    if (found == senses_.end()) {
      // An inflected German form is glossed in the plural; CC-CEDICT writes the singular.
      found = senses_.find(SingularSense(sense.sense));
      penalty = kSingularPenalty;
    }
    if (found == senses_.end()) continue;
    const double weight = std::max<uint32_t>(sense.weight, 1);
    // A text matching the sense both as a noun and as a verb counts once, as its better match.
    std::unordered_map<uint32_t, double> senseScores;
    for (const Match& match : found->second) {
      if (match.name && !sense.proper) continue;
      const double quality = std::log2(2 + frequencies_[match.text]) + (match.primary ? kPrimaryBonus : 0) -
                             std::min(kPlacePenalty * match.place, kMostPlacePenalty) -
                             (match.qualified ? kQualifiedPenalty : 0) -
                             (match.verbal != sense.verbal ? kVerbalMismatchPenalty : 0) +
                             (noun && match.countable ? kNounBonus : 0) + (match.name ? kNameBonus : 0) - penalty;
      double& score = senseScores[match.text];
      score = std::max(score, weight * std::max(quality, kLeastQuality));
    }
    // A text that renders several of the word's senses is the more likely translation.
    for (const auto& [text, score] : senseScores) scores[text] += score;
  }
  std::vector<std::pair<double, uint32_t>> ranked;
  ranked.reserve(scores.size());
  for (const auto& [text, score] : scores) ranked.emplace_back(score, text);
  std::sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : texts_[a.second] < texts_[b.second];
  });
  std::vector<std::u16string> glosses;
  for (size_t i = 0; i < ranked.size() && i < kMostGlosses; ++i) {
    if (ranked[i].first < ranked[0].first * kAlternativeShare) break;
    glosses.push_back(texts_[ranked[i].second]);
  }
  return glosses;
}

std::u16string JoinHint(const std::vector<std::u16string>& glosses) {
  std::u16string hint;
  for (const std::u16string& gloss : glosses) {
    if (!hint.empty()) hint += u"\\n";
    hint += gloss;
  }
  return hint;
}

}  // namespace kellavor::dictbuild
