#include "ime/lexicon/german_near_keys.h"

#include <algorithm>

namespace kellavor::lexicon {
namespace {

// The key index read unit by unit. Within a range of entries whose keys share their first d units
// the keys are ascending by unit d, a key that ends there (unit 0) first.
struct KeyUnits {
  const SystemDictionaries& dictionaries;
  IndexView index;

  char16_t UnitAt(uint32_t k, uint32_t d) const {
    const WordRecord record = dictionaries.WordRecordAt(index[k]);
    const std::u16string_view key = record ? record.key() : std::u16string_view();
    return d < key.size() ? key[d] : u'\0';
  }

  // The first entry of range whose unit d is not below unit (upper: above unit).
  uint32_t Bound(KeyRange range, uint32_t d, char16_t unit, bool upper) const {
    uint32_t low = range.first;
    uint32_t high = range.last;
    while (low < high) {
      const uint32_t middle = low + (high - low) / 2;
      const char16_t probed = UnitAt(middle, d);
      if (probed < unit || (upper && probed == unit)) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low;
  }

  // The entries of range whose unit d is unit.
  KeyRange Narrow(KeyRange range, uint32_t d, char16_t unit) const {
    if (range.empty()) return {};
    const uint32_t first = Bound(range, d, unit, false);
    return {first, Bound({first, range.last}, d, unit, true)};
  }

  // The entries of range whose key ends after d units.
  KeyRange Ending(KeyRange range, uint32_t d) const { return {range.first, Bound(range, d, u'\0', true)}; }

  // Calls visit(unit, entries) for every unit that follows the first d units in range, ascending.
  // Each step moves on by one entry at least (the key index is not checked for order).
  template <typename Visit>
  void Children(KeyRange range, uint32_t d, const Visit& visit) const {
    uint32_t k = Ending(range, d).last;
    while (k < range.last) {
      const char16_t unit = UnitAt(k, d);
      const uint32_t end = Bound({k + 1, range.last}, d, unit, true);
      visit(unit, KeyRange{k, end});
      k = end;
    }
  }
};

// Letters written for a sound the word spells with two: Asfalt for Asphalt, Karakter for
// Charakter. Each replacement counts as one edit.
struct SoundSpelling {
  char16_t typed;
  char16_t spelled[2];
};
constexpr SoundSpelling kSoundSpellings[] = {{u'f', {u'p', u'h'}}, {u'k', {u'c', u'h'}}};

}  // namespace

NearKeys::Step NearKeys::Extend(const SystemDictionaries& dictionaries, char16_t unit) const {
  const KeyUnits keys{dictionaries, dictionaries.WordKeyIndex()};
  const KeyRange all{0, keys.index.size()};
  const auto n = static_cast<uint32_t>(steps_.size());
  const KeyRange typed = n == 0 ? all : steps_.back().exact;

  Step next;
  next.unit = unit;
  next.exact = keys.Narrow(typed, n, unit);
  const auto add = [&](KeyRange range, uint32_t length) {
    if (!range.empty()) next.variants.push_back({range, length});
  };
  // An edit before the new unit: each variant so far, followed by the unit.
  if (n > 0) {
    for (const Variant& variant : steps_.back().variants) {
      add(keys.Narrow(variant.range, variant.length, unit), variant.length + 1);
    }
  }
  // The new unit dropped, replaced, or preceded by a unit the input lacks.
  add(typed, n);
  if (!typed.empty()) {
    keys.Children(typed, n, [&](char16_t child, KeyRange range) {
      if (child == unit) return;
      add(range, n + 1);
      add(keys.Narrow(range, n + 1, unit), n + 2);
    });
  }
  // The new unit standing for two.
  for (const SoundSpelling& sound : kSoundSpellings) {
    if (sound.typed == unit) {
      add(keys.Narrow(keys.Narrow(typed, n, sound.spelled[0]), n + 1, sound.spelled[1]), n + 2);
    }
  }
  // The new unit swapped with the one before.
  if (n > 0 && steps_.back().unit != unit) {
    const KeyRange beforeLast = n == 1 ? all : steps_[n - 2].exact;
    add(keys.Narrow(keys.Narrow(beforeLast, n - 1, unit), n, steps_.back().unit), n + 1);
  }
  std::sort(next.variants.begin(), next.variants.end(), [](const Variant& a, const Variant& b) {
    return a.range.first != b.range.first ? a.range.first < b.range.first : a.length < b.length;
  });
  const auto same = [](const Variant& a, const Variant& b) {
    return a.range.first == b.range.first && a.length == b.length;
  };
  next.variants.erase(std::unique(next.variants.begin(), next.variants.end(), same), next.variants.end());
  return next;
}

NearKeyMatches NearKeys::Find(const SystemDictionaries& dictionaries, std::u16string_view folded) {
  const IndexView index = dictionaries.WordKeyIndex();
  const uint8_t* firstRecord = index.empty() ? nullptr : dictionaries.WordRecordAt(index[0]).bytes();
  if (firstRecord != firstRecord_ || index.size() != indexSize_) {
    Forget();
    firstRecord_ = firstRecord;
    indexSize_ = index.size();
  }
  size_t shared = 0;
  while (shared < steps_.size() && shared < folded.size() && steps_[shared].unit == folded[shared]) ++shared;
  steps_.resize(shared);
  while (steps_.size() < folded.size()) steps_.push_back(Extend(dictionaries, folded[steps_.size()]));

  NearKeyMatches matches;
  if (folded.empty()) return matches;
  const Step& last = steps_.back();
  matches.begins = !last.exact.empty() || !last.variants.empty();
  const KeyUnits keys{dictionaries, index};
  for (const Variant& variant : last.variants) {
    const KeyRange word = keys.Ending(variant.range, variant.length);
    if (!word.empty()) matches.words.push_back(word);
  }
  return matches;
}

void NearKeys::Forget() {
  steps_.clear();
  firstRecord_ = nullptr;
  indexSize_ = 0;
}

}  // namespace kellavor::lexicon
