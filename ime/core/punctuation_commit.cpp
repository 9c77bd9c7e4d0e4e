// Chinese punctuation and full-width forms: the mark commits what the composition holds in front
// of it.
#include <optional>
#include <string>

#include "ime/core/candidate_pages.h"
#include "ime/core/ime_core.h"
#include "ime/core/punctuation_table.h"
#include "ime/platform/ime_messages.h"

namespace kellavor::core {

using platform::kCmodeFullShape;
using platform::kCmodeSymbol;

bool ImeCore::CommitPunctuation(uint32_t virtualKey, std::u16string_view typed) {
  if (!ClaimsPunctuationKey(virtualKey)) return false;
  const uint32_t flags = ConversionFlags();
  const std::optional<std::u16string_view> mark = PunctuationMark(
      typed, (flags & kCmodeSymbol) != 0, (flags & kCmodeFullShape) != 0, singleQuoteOpen_, doubleQuoteOpen_);
  if (!mark.has_value()) return false;

  // The first candidate of the page goes in front of the mark. When it covers only the front of a
  // pinyin entry, the segments converted before it stay in front of it.
  const std::u16string converted = SegmentTexts();
  std::u16string buffer;
  if (!SelectCandidate(PageStart(pageIndex_, pageSize_), buffer)) buffer.insert(0, converted);
  buffer += *mark;
  Commit(context_, buffer, false);
  Reset(true);
  return true;
}

}  // namespace kellavor::core
