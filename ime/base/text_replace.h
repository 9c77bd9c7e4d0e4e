// Replace-all for wide and narrow text. Occurrences are found left to right and the search
// resumes just behind each replacement, so occurrences never overlap and inserted text is never
// searched again: both always terminate, whatever the replacement contains.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kellavor::base {

// A new string with every occurrence of find replaced, or nothing when find is empty, does not
// occur in text, or memory runs out; callers then keep their text as it was.
std::optional<std::u16string> ReplaceAll(std::u16string_view text, std::u16string_view find,
                                         std::u16string_view replacement);

// Replaces every occurrence of find in text, in place. An empty find changes nothing, and so does
// running out of memory.
void ReplaceAllNarrow(std::string& text, std::string_view find, std::string_view replacement);

}  // namespace kellavor::base
