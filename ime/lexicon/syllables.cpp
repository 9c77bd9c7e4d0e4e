#include "ime/lexicon/syllables.h"

#include <algorithm>

#include "ime/lexicon/syllable_item.h"

namespace kellavor::lexicon {
namespace {

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

// Whether `sound` followed by the letters of text after its first `replaced` letters is a syllable.
bool InTableWithSound(const SyllableTable& table, std::u16string_view sound, std::u16string_view text,
                      size_t replaced, std::u16string_view forbiddenPrefix) {
  char16_t buffer[kMaxSoundLetters + kMaxSyllableLetters];
  const std::u16string_view rest = text.substr(replaced);
  std::copy(sound.begin(), sound.end(), buffer);
  std::copy(rest.begin(), rest.end(), buffer + sound.size());
  const std::u16string_view built(buffer, sound.size() + rest.size());
  return !StartsWith(built, forbiddenPrefix) && table.Find(built).has_value();
}

}  // namespace

bool IsSyllable(const SyllableTable& table, std::span<const FuzzyPair> pairs, std::u16string_view text) {
  if (text.empty() || text.size() > kMaxSyllableLetters) return false;
  if (table.Find(text)) return true;
  for (const FuzzyPair& pair : pairs) {
    if (StartsWith(text, pair.a()) && !StartsWith(text, pair.b()) &&
        InTableWithSound(table, pair.b(), text, pair.lengthA, {})) {
      return true;
    }
  }
  for (const FuzzyPair& pair : pairs) {
    if (StartsWith(text, pair.b()) && InTableWithSound(table, pair.a(), text, pair.lengthB, pair.b())) return true;
  }
  return false;
}

bool IsBareInitial(std::u16string_view text) {
  if (text.size() == 2) return text[1] == u'h' && (text[0] == u'c' || text[0] == u's' || text[0] == u'z');
  // The letters of bcdfghjklmnpqrstwxyz, one bit each from a.
  constexpr uint32_t kInitials = 0x03CFBEEE;
  return text.size() == 1 && text[0] >= u'a' && text[0] <= u'z' && (kInitials >> (text[0] - u'a') & 1) != 0;
}

bool IsDoubleInitial(std::u16string_view text) {
  if (text.size() != 2 || (text[1] != u'h' && text[1] != u'H')) return false;
  const char16_t first = text[0];
  return first == u'c' || first == u's' || first == u'z' || first == u'C' || first == u'S' || first == u'Z';
}

int FuzzyMatch(std::span<const FuzzyPair> pairs, std::u16string_view typed, std::u16string_view dictionary) {
  std::u16string_view x = typed;
  std::u16string_view y = dictionary;
  for (;;) {
    if (x.empty()) return y.empty() ? 0 : -1;
    if (y.empty()) return 1;
    bool applied = false;
    for (const FuzzyPair& pair : pairs) {
      size_t advanceX = 0;
      size_t advanceY = 0;
      if (StartsWith(x, pair.b()) && StartsWith(y, pair.b())) {
        advanceX = advanceY = pair.lengthB;
      } else if (StartsWith(x, pair.b()) && StartsWith(y, pair.a())) {
        advanceX = pair.lengthB;
        advanceY = pair.lengthA;
      } else if (StartsWith(x, pair.a()) && StartsWith(y, pair.b())) {
        advanceX = pair.lengthA;
        advanceY = pair.lengthB;
      } else {
        continue;
      }
      x.remove_prefix(advanceX);
      y.remove_prefix(advanceY);
      applied = true;
      break;
    }
    if (applied) continue;
    if (x.front() != y.front()) return static_cast<int>(x.front()) - static_cast<int>(y.front());
    x.remove_prefix(1);
    y.remove_prefix(1);
  }
}

int InitialMatch(std::span<const FuzzyPair> pairs, std::u16string_view typed, std::u16string_view dictionary) {
  for (const size_t letters : {size_t{2}, size_t{1}}) {
    if (dictionary.size() >= letters && IsBareInitial(dictionary.substr(0, letters))) {
      return FuzzyMatch(pairs, typed, dictionary.substr(0, letters));
    }
  }
  return typed.compare(dictionary);
}

}  // namespace kellavor::lexicon
