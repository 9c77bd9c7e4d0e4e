// What the console prints after each key: one JSON object per key for automation, or a readable
// line for people.
#pragma once

#include <string>

#include "tools/console/console_session.h"

namespace kellavor::console {

// {"key", "claimed", "mode", "composition", "caret", "candidates": [{"text", "hint"}], "highlight",
// "page", "pages", "commit" (null when the key committed nothing), "passed", "text"} on one line.
std::string JsonReport(const ConsoleSession& session, const KeyStep& step);

// The key, the mode, the composition with its caret, the page with the highlight in brackets and
// the hints, and what the key committed.
std::string TranscriptLine(const ConsoleSession& session, const KeyStep& step);

// "pinyin" or "german".
std::string ModeName(uint32_t inputMode);

// The text as a JSON string, quotes included.
std::string JsonString(std::u16string_view text);

}  // namespace kellavor::console
