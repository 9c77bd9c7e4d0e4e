// A ranked candidate list kept between keystrokes (the lists of one-syllable inputs, search_reuse.h)
// in as little memory as it can: a list of characters only, the usual case, takes four bytes a
// candidate (the record's number in the character table, the lookup step and the letters covered)
// instead of sixteen; any other list is kept as it is.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::lexicon {

class KeptRanking {
 public:
  // Keeps list, whose characters are records of the dictionaries.
  void Keep(std::span<const Candidate> list, const SystemDictionaries& dictionaries);
  // Appends the list kept to out, as it was given.
  void AppendTo(base::GrowArray& out, const SystemDictionaries& dictionaries) const;

 private:
  std::vector<uint32_t> characters_;  // record number << 8 | lookup step << 4 | letters covered
  std::vector<Candidate> candidates_;  // a list that is not characters only
};

}  // namespace kellavor::lexicon
