// The dictionary entry of a German word the user wrote, for the hint and frequency it is learned with.
#pragma once

#include <string_view>

#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/word_record.h"

namespace kellavor::lexicon {

// The first record of the word key index whose key equals FoldGermanKey(word) and whose word is
// exactly word (case-sensitive); empty when there is none.
WordRecord FindGermanWord(const SystemDictionaries& dictionaries, std::u16string_view word);

}  // namespace kellavor::lexicon
