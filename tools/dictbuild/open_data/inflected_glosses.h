// Glosses for inflected forms. The German-English dictionary lists plurals, participles and
// conjugated forms as words of their own, with their English senses inflected the same way
// (Dateien: files, verwendet: used, gesetzt: set); pivoted on their own they find poor or wrong
// Chinese words (files: 案卷, used: 中古). Such a form takes the gloss of the word it inflects.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/dictbuild/open_data/german_words.h"

namespace kellavor::dictbuild {

// The words a German form may inflect, nearest first: plural and case endings removed (Dateien:
// Datei), and for verb forms the infinitive (verwendet: verwenden, gesetzt: setzen, angegeben:
// angeben, ausgewählt: auswählen, lassend: lassen).
std::vector<std::u16string> InflectedFrom(std::u16string_view word);

// Whether one of the form's leading senses is an English inflection of one of the base word's
// senses (files: file, used: use, set: set, selected: select, buying: buy, copied: copy,
// formatted: format, setting: set).
bool InflectsSense(const std::vector<WeightedSense>& form, const std::vector<WeightedSense>& base);

// Whether a form (glossed: it has a gloss of its own) takes the gloss of a base that InflectedFrom
// offered. A form with senses must inflect one of the base's (InflectsSense); a word taken from
// the text has none to compare, and its nearest base decides. A present participle that the
// dictionary labels an adjective has a meaning of its own (bedeutend: significant, not meaning;
// fließend: fluent) and keeps the gloss it has.
bool TakesBaseGloss(const GermanWord& form, bool glossed, const GermanWord& base);

}  // namespace kellavor::dictbuild
