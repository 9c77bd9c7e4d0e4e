#include "ime/lexicon/german_key.h"

#include <cstdint>

namespace kellavor::lexicon {
namespace {

// The fold of one unit: zero, one or two units.
struct Folded {
  char16_t units[2];
  uint8_t count;
};

Folded FoldUnit(char16_t c) {
  if (c >= u'A' && c <= u'Z') return {{static_cast<char16_t>(c - u'A' + u'a')}, 1};
  switch (c) {
    case u'\u00E0': case u'\u00E1': case u'\u00E2': case u'\u00E4':
      return {{u'a'}, 1};
    case u'\u00E8': case u'\u00E9': case u'\u00EA': case u'\u00EB':
      return {{u'e'}, 1};
    case u'\u00ED': case u'\u00EE': case u'\u00EF':
      return {{u'i'}, 1};
    case u'\u00F3': case u'\u00F4': case u'\u00F6':
      return {{u'o'}, 1};
    case u'\u00F9': case u'\u00FB': case u'\u00FC': case u'?':
      return {{u'u'}, 1};
    case u'\u00E7':
      return {{u'c'}, 1};
    case u'\u00F1':
      return {{u'n'}, 1};
    case u'\u00E6':
      return {{u'a', u'e'}, 2};
    case u'\u00DF':
      return {{u's', u's'}, 2};
    case u'\u0153':
      return {{u'o', u'e'}, 2};
    case u'\u2018': case u'\u2019':
      return {{u'\''}, 1};
    default:
      break;
  }
  if (c >= 0x0101 && c <= 0x07CF) return {{}, 0};
  return {{c}, 1};
}

}  // namespace

std::u16string FoldGermanKey(std::u16string_view text) {
  std::u16string key;
  key.reserve(text.size());
  for (char16_t c : text) {
    const Folded folded = FoldUnit(c);
    key.append(folded.units, folded.count);
  }
  return key;
}

}  // namespace kellavor::lexicon
