// Our own corrections of the Chinese glosses of common German words, kept as data
// (tools/dictbuild/open_data/gloss_corrections.tsv): where the pivot through English gives a
// wrong sense, or none, for a word that every writer needs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kellavor::dictbuild {

// Lines "word<TAB>glosses<TAB>reason"; glosses separated by "|", best first, or empty for a word
// that is better shown without a gloss. Blank lines and lines starting with # are skipped. The
// glosses of each word, joined as a hint (JoinHint); absent when a line is malformed (fewer than
// three fields, an empty word or reason, a word listed twice).
std::optional<std::unordered_map<std::u16string, std::u16string>> ParseGlossCorrections(std::string_view text);

}  // namespace kellavor::dictbuild
