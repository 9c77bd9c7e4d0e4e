#include "ime/lexicon/reading_format.h"

namespace kellavor::lexicon {
namespace {

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

// Moves the letters of p that match the next sound or letter of q into out; false when they differ.
bool TakeMatching(std::span<const FuzzyPair> pairs, std::u16string_view& q, std::u16string_view& p, std::u16string& out) {
  for (const FuzzyPair& pair : pairs) {
    std::u16string_view ofQ;
    std::u16string_view ofP;
    if (StartsWith(q, pair.b()) && StartsWith(p, pair.b())) {
      ofQ = ofP = pair.b();
    } else if (StartsWith(q, pair.b()) && StartsWith(p, pair.a())) {
      ofQ = pair.b();
      ofP = pair.a();
    } else if (StartsWith(q, pair.a()) && StartsWith(p, pair.b())) {
      ofQ = pair.a();
      ofP = pair.b();
    } else {
      continue;
    }
    out.append(ofP);
    q.remove_prefix(ofQ.size());
    p.remove_prefix(ofP.size());
    return true;
  }
  if (q.front() != p.front()) return false;
  out.push_back(p.front());
  q.remove_prefix(1);
  p.remove_prefix(1);
  return true;
}

}  // namespace

size_t FormatReading(const SyllableTable& table, std::span<const FuzzyPair> pairs, std::span<const uint16_t> codes,
                     std::u16string_view letters, std::u16string& out) {
  size_t separators = 0;
  std::u16string_view p = letters;
  for (const uint16_t code : codes) {
    std::u16string_view q = table.Text(code);
    const size_t before = out.size();
    while (!q.empty() && !p.empty() && TakeMatching(pairs, q, p, out)) {
    }
    if (out.size() > before) {
      out.push_back(u'\'');
      ++separators;
    }
  }
  return separators;
}

}  // namespace kellavor::lexicon
