#include "tools/dictbuild/language_model_builder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>

#include "ime/lexicon/language_model_format.h"
#include "tools/dictbuild/byte_image.h"
#include "tools/dictbuild/file_builders.h"

namespace kellavor::dictbuild {
namespace {

using lexicon::kCostScale;

constexpr size_t kLongestWord = 4;
// The share of a character's frequency that is its use on its own.
constexpr double kCharacterShare = 0.25;
// The weight of the corpus against the dictionary in a word's probability.
constexpr double kCorpusShare = 0.5;
// Subtracted from every pair count.
constexpr double kDiscount = 0.75;
// Pairs seen once are dropped when more pairs than this were seen, and no more than this many are
// kept (the most frequent), which keeps the file under 30 MB.
constexpr size_t kMaxPairs = 1200000;
constexpr double kSmallestProbability = 1e-12;

struct Vocabulary {
  std::vector<std::u16string> texts;  // by word number; word 0 is the boundary
  std::vector<double> weights;
  std::unordered_map<std::u16string, uint32_t> numbers;
  double total = 0;
};

std::u16string CharacterText(char32_t c) {
  if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
  const char32_t offset = c - 0x10000;
  return {static_cast<char16_t>(0xD800 + (offset >> 10)), static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
}

Vocabulary CollectVocabulary(const DictionarySource& source) {
  std::map<std::u16string, double> weights;
  for (const CharEntry& entry : source.chars) {
    double weight = entry.frequency;
    if (source.largestCharWeight != 0) {
      const double root = entry.frequency / 65535.0;
      weight = root * root * source.largestCharWeight;
    }
    weights[CharacterText(entry.character)] += kCharacterShare * std::max(weight, 1.0);
  }
  for (const PhraseEntry& entry : source.phrases) {
    if (!entry.text.empty()) weights[entry.text] += std::max<double>(entry.frequency, 1.0);
  }
  Vocabulary vocabulary;
  vocabulary.texts.emplace_back();
  vocabulary.weights.push_back(0);
  for (const auto& [text, weight] : weights) {
    vocabulary.numbers.emplace(text, static_cast<uint32_t>(vocabulary.texts.size()));
    vocabulary.texts.push_back(text);
    vocabulary.weights.push_back(weight);
    vocabulary.total += weight;
  }
  return vocabulary;
}

// The most probable cut of a run of known characters into words under the dictionary's weights.
void Segment(const Vocabulary& vocabulary, std::u16string_view run, std::vector<uint32_t>& words) {
  const size_t n = run.size();
  std::vector<double> best(n + 1, INFINITY);
  std::vector<uint32_t> word(n + 1, 0);
  std::vector<size_t> from(n + 1, 0);
  best[0] = 0;
  for (size_t i = 0; i < n; ++i) {
    if (std::isinf(best[i])) continue;
    for (size_t length = 1; length <= kLongestWord && i + length <= n; ++length) {
      const auto found = vocabulary.numbers.find(std::u16string(run.substr(i, length)));
      if (found == vocabulary.numbers.end()) continue;
      const double cost = best[i] - std::log(vocabulary.weights[found->second] / vocabulary.total);
      if (cost < best[i + length]) {
        best[i + length] = cost;
        word[i + length] = found->second;
        from[i + length] = i;
      }
    }
  }
  const size_t start = words.size();
  for (size_t end = n; end > 0; end = from[end]) words.push_back(word[end]);
  std::reverse(words.begin() + static_cast<std::ptrdiff_t>(start), words.end());
}

struct Counts {
  std::vector<uint64_t> words;                  // by word number
  std::unordered_map<uint64_t, uint32_t> pairs;  // first << 32 | second
  uint64_t tokens = 0;
  size_t clauses = 0;
};

// Each run is cut at characters the dictionary does not know; every piece is a clause.
Counts CountCorpus(const Vocabulary& vocabulary, const std::vector<std::u16string>& corpus) {
  Counts counts;
  counts.words.assign(vocabulary.texts.size(), 0);
  std::vector<uint32_t> words;
  const auto countClause = [&](std::u16string_view clause) {
    if (clause.empty()) return;
    words.clear();
    Segment(vocabulary, clause, words);
    uint32_t previous = 0;
    for (const uint32_t word : words) {
      ++counts.words[word];
      ++counts.pairs[static_cast<uint64_t>(previous) << 32 | word];
      previous = word;
    }
    counts.tokens += words.size();
    ++counts.clauses;
  };
  for (const std::u16string& run : corpus) {
    size_t start = 0;
    for (size_t i = 0; i <= run.size(); ++i) {
      if (i < run.size() && vocabulary.numbers.contains(run.substr(i, 1))) continue;
      countClause(std::u16string_view(run).substr(start, i - start));
      start = i + 1;
    }
  }
  return counts;
}

uint16_t Cost(double probability) {
  const double cost = -std::log(std::max(probability, kSmallestProbability)) * kCostScale;
  return static_cast<uint16_t>(std::clamp(std::lround(cost), 0L, 65535L));
}

uint32_t SlotsFor(size_t entries, size_t perHundredSlots) {
  return std::bit_ceil(static_cast<uint32_t>(std::max<size_t>(1, entries * 100 / perHundredSlots + 1)));
}

struct Pair {
  uint32_t first;
  uint32_t second;
  uint16_t cost;
};

}  // namespace

std::vector<uint8_t> BuildLanguageModel(const DictionarySource& source, std::ostream& log) {
  if (source.corpus.empty()) return {};
  const Vocabulary vocabulary = CollectVocabulary(source);
  Counts counts = CountCorpus(vocabulary, source.corpus);
  const size_t wordCount = vocabulary.texts.size();

  std::vector<double> unigram(wordCount, 0);
  for (size_t w = 1; w < wordCount; ++w) {
    const double corpus = counts.tokens == 0 ? 0 : static_cast<double>(counts.words[w]) / static_cast<double>(counts.tokens);
    unigram[w] = kCorpusShare * corpus + (1 - kCorpusShare) * vocabulary.weights[w] / vocabulary.total;
  }

  std::vector<std::pair<uint64_t, uint32_t>> seen(counts.pairs.begin(), counts.pairs.end());
  counts.pairs.clear();
  std::sort(seen.begin(), seen.end());
  std::vector<double> following(wordCount, 0);  // pair counts of each first word
  std::vector<double> distinct(wordCount, 0);   // distinct second words of each first word
  for (const auto& [key, count] : seen) {
    following[key >> 32] += count;
    distinct[key >> 32] += 1;
  }
  const uint32_t keptFrom = seen.size() > kMaxPairs ? 2 : 1;
  if (seen.size() > kMaxPairs) {
    std::vector<uint32_t> pairCounts;
    for (const auto& entry : seen) pairCounts.push_back(entry.second);
    std::nth_element(pairCounts.begin(), pairCounts.begin() + kMaxPairs, pairCounts.end(), std::greater<>());
    const uint32_t least = std::max(keptFrom, pairCounts[kMaxPairs] + 1);
    std::erase_if(seen, [&](const auto& entry) { return entry.second < least; });
  }
  std::vector<Pair> pairs;
  for (const auto& [key, count] : seen) {
    if (count < keptFrom) continue;
    const auto first = static_cast<uint32_t>(key >> 32);
    const auto second = static_cast<uint32_t>(key & 0xFFFFFFFF);
    const double backoff = kDiscount * distinct[first] / following[first];
    const double probability = (count - kDiscount) / following[first] + backoff * unigram[second];
    pairs.push_back({first, second, Cost(probability)});
  }

  ByteImage image(kHeaderWords);
  image.SetHeaderWord(lexicon::model_word::kMagic, lexicon::kModelMagic);
  image.SetHeaderWord(lexicon::model_word::kWordCount, static_cast<uint32_t>(wordCount));
  image.SetHeaderWord(lexicon::model_word::kWordTable, image.Offset());
  size_t longest = 0;
  for (const std::u16string& text : vocabulary.texts) longest = std::max(longest, text.size());
  image.SetHeaderWord(lexicon::model_word::kLongestWord, static_cast<uint32_t>(longest));
  uint32_t textOffset = 0;
  for (size_t w = 0; w < wordCount; ++w) {
    const double backoff = following[w] > 0 ? kDiscount * distinct[w] / following[w] : 1.0;
    image.AppendU32(textOffset);
    image.AppendU16(static_cast<uint16_t>(vocabulary.texts[w].size()));
    image.AppendU16(w == 0 ? 0 : Cost(unigram[w]));
    image.AppendU16(Cost(backoff));
    image.AppendU16(0);
    textOffset += static_cast<uint32_t>(2 * vocabulary.texts[w].size());
  }
  image.SetHeaderWord(lexicon::model_word::kTextPool, image.Offset());
  for (const std::u16string& text : vocabulary.texts) image.AppendUnits(text);
  image.SetHeaderWord(lexicon::model_word::kTextPoolBytes, textOffset);
  image.Align(4);

  const uint32_t textSlots = SlotsFor(wordCount, 50);
  std::vector<uint32_t> textTable(textSlots, 0);
  uint32_t textProbes = 0;
  for (uint32_t w = 1; w < wordCount; ++w) {
    uint32_t slot = lexicon::ModelTextHash(vocabulary.texts[w]) & (textSlots - 1);
    uint32_t probes = 1;
    for (; textTable[slot] != 0; ++probes) slot = (slot + 1) & (textSlots - 1);
    textTable[slot] = w + 1;
    textProbes = std::max(textProbes, probes);
  }
  image.SetHeaderWord(lexicon::model_word::kTextSlots, image.Offset());
  image.SetHeaderWord(lexicon::model_word::kTextSlotCount, textSlots);
  image.SetHeaderWord(lexicon::model_word::kTextProbes, textProbes);
  for (const uint32_t slot : textTable) image.AppendU32(slot);

  const uint32_t pairSlots = SlotsFor(pairs.size(), 70);
  std::vector<const Pair*> pairTable(pairSlots, nullptr);
  uint32_t pairProbes = 0;
  for (const Pair& pair : pairs) {
    uint32_t slot = lexicon::ModelPairHash(pair.first, pair.second) & (pairSlots - 1);
    uint32_t probes = 1;
    for (; pairTable[slot] != nullptr; ++probes) slot = (slot + 1) & (pairSlots - 1);
    pairTable[slot] = &pair;
    pairProbes = std::max(pairProbes, probes);
  }
  // The filter of the stored pairs, ahead of the table.
  const uint32_t filterBlocks = std::bit_ceil(std::max<uint32_t>(
      1, static_cast<uint32_t>(pairs.size() / lexicon::kModelPairsPerFilterBlock)));
  std::vector<uint8_t> filter(filterBlocks * lexicon::kModelFilterBlockBytes, 0);
  for (const Pair& pair : pairs) {
    const uint32_t hash = lexicon::ModelPairHash(pair.first, pair.second);
    uint8_t* block = filter.data() + lexicon::kModelFilterBlockBytes * (hash & (filterBlocks - 1));
    for (uint32_t k = 0; k < lexicon::kModelFilterBits; ++k) {
      const uint32_t bit = lexicon::ModelFilterBit(hash, k);
      block[bit / 8] = static_cast<uint8_t>(block[bit / 8] | 1u << (bit % 8));
    }
  }
  image.Align(lexicon::kModelFilterBlockBytes);
  image.SetHeaderWord(lexicon::model_word::kPairFilter, image.Offset());
  image.SetHeaderWord(lexicon::model_word::kPairFilterBlocks, filterBlocks);
  image.AppendBytes(filter.data(), filter.size());
  image.SetHeaderWord(lexicon::model_word::kPairSlots, image.Offset());
  image.SetHeaderWord(lexicon::model_word::kPairSlotCount, pairSlots);
  image.SetHeaderWord(lexicon::model_word::kPairProbes, pairProbes);
  image.SetHeaderWord(lexicon::model_word::kPairCount, static_cast<uint32_t>(pairs.size()));
  for (const Pair* pair : pairTable) {
    image.AppendU32(pair == nullptr ? 0 : pair->first + 1);
    image.AppendU32(pair == nullptr ? 0 : pair->second);
    image.AppendU16(pair == nullptr ? 0 : pair->cost);
    image.AppendU16(0);
  }
  log << "language model: " << wordCount - 1 << " words, " << counts.clauses << " clauses, " << counts.tokens
      << " words counted, " << seen.size() << " pairs seen, " << pairs.size() << " kept (count at least "
      << keptFrom << "), longest probes " << textProbes << " and " << pairProbes << "\n";
  return std::move(image).Take();
}

}  // namespace kellavor::dictbuild
