#include "ime/lexicon/syllable_set.h"

#include <algorithm>
#include <string>

#include "ime/lexicon/syllable_item.h"

namespace kellavor::lexicon {
namespace {

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

}  // namespace

SyllableSet::Key SyllableSet::KeyOf(std::u16string_view text) {
  Key key{0, static_cast<uint64_t>(text.size()) << 48};
  for (size_t i = 0; i < text.size(); ++i) {
    uint64_t& word = i < 4 ? key.first : key.second;
    word |= static_cast<uint64_t>(text[i]) << (16 * (i % 4));
  }
  return key;
}

// IsSyllable accepts a syllable of the table, and a text that one replacement of the sounds of a
// pair at its start turns into a syllable: A + r when B + r is one (unless A + r begins with B),
// and B + r when A + r is one (unless A + r begins with B). Both are gathered from the table side.
size_t SyllableSet::SlotOf(const Key& key, size_t slots) {
  const uint64_t mixed = (key.first ^ key.second * 0x9E3779B97F4A7C15ull) * 0xBF58476D1CE4E5B9ull;
  return static_cast<size_t>(mixed >> 40) & (slots - 1);
}

SyllableSet::SyllableSet(const SyllableTable& table, std::span<const FuzzyPair> pairs) {
  std::vector<Key> keys;
  const auto add = [&](std::u16string_view text) {
    if (!text.empty() && text.size() <= static_cast<size_t>(kMaxSyllableLetters)) keys.push_back(KeyOf(text));
  };
  for (uint32_t number = 0; number < table.Count(); ++number) {
    const std::u16string_view entry = table.Text(number);
    add(entry);
    for (const FuzzyPair& pair : pairs) {
      if (StartsWith(entry, pair.b())) {
        const std::u16string text = std::u16string(pair.a()) + std::u16string(entry.substr(pair.lengthB));
        if (!StartsWith(text, pair.b())) add(text);
      }
      if (StartsWith(entry, pair.a()) && !StartsWith(entry, pair.b())) {
        add(std::u16string(pair.b()) + std::u16string(entry.substr(pair.lengthA)));
      }
    }
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  size_t slots = 16;
  while (slots < 2 * keys.size()) slots *= 2;
  slots_.assign(slots, Key{0, 0});
  for (const Key& key : keys) {
    size_t slot = SlotOf(key, slots);
    while (slots_[slot] != Key{0, 0}) slot = (slot + 1) & (slots - 1);
    slots_[slot] = key;
  }
}

bool SyllableSet::Contains(std::u16string_view text) const {
  if (text.empty() || text.size() > static_cast<size_t>(kMaxSyllableLetters)) return false;
  if (slots_.empty()) return false;
  const Key key = KeyOf(text);
  for (size_t slot = SlotOf(key, slots_.size()); slots_[slot] != Key{0, 0}; slot = (slot + 1) & (slots_.size() - 1)) {
    if (slots_[slot] == key) return true;
  }
  return false;
}

}  // namespace kellavor::lexicon
