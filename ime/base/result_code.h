// Result codes of the operations that can fail. They are the system's error numbers, so a code
// can be handed to the input-method manager or logged unchanged.
#pragma once

namespace kellavor::base {

inline constexpr int kResultOk = 0;
inline constexpr int kResultOutOfMemory = 8;
// A call outside an operation's preconditions (negative count, index past the end, an array that
// has no record size or was freed). Nothing is changed.
inline constexpr int kResultInvalidArgument = 87;

}  // namespace kellavor::base
