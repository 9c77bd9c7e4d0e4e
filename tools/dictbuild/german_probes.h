// What a German writer checks first in the German dictionary: probes of the search and of the
// glosses of everyday words, run by the check mode, and the list of the most frequent words with
// their glosses for reading.
#pragma once

#include <cstddef>
#include <ostream>

#include "ime/lexicon/system_dictionaries.h"
#include "tools/dictbuild/violations.h"

namespace kellavor::dictbuild {

// Each probe names a word; a probe whose word the dictionary lacks is skipped, so that small
// dictionaries (the test fixtures) are checked on what they hold. Search probes: the input, typed
// in lower case without umlauts or ß, lists the word first (without the speller). Gloss probes:
// the word's first gloss is one of the accepted ones.
void CheckGermanProbes(const lexicon::SystemDictionaries& dictionaries, Violations& violations);

// The count most frequent words, one a line: rank, word, frequency and glosses (" / " between).
void PrintMostFrequentWords(const lexicon::SystemDictionaries& dictionaries, size_t count, std::ostream& out);

}  // namespace kellavor::dictbuild
