// The boundary to the callers outside the module: the input-method manager, the window system.
// Nothing may leave a function they call by an exception.
#pragma once

#include <utility>

namespace kellavor::platform {

// The result of function, or fallback when it throws.
template <typename Result, typename Function>
Result CallGuarded(Result fallback, Function&& function) noexcept {
  try {
    return std::forward<Function>(function)();
  } catch (...) {
    return fallback;
  }
}

}  // namespace kellavor::platform
