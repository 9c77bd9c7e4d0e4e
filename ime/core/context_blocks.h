// The component blocks of an input context as the module keeps them: created fresh when the module
// is selected for a context, emptied when a composition starts.
#pragma once

#include <cstdint>

#include "ime/core/input_panel.h"
#include "ime/platform/ime_port.h"

namespace kellavor::core {

// Replaces the context's composition-string and candidate-information blocks with new ones in
// their initial layout. A block that cannot be created or locked is left as it came.
void RecreateContextBlocks(platform::InputMethodPort& port, platform::LockedContext context);

// Empties the composition and result strings; nothing when a lock fails.
void ClearCompositionString(platform::InputMethodPort& port, platform::ContextHandle context);

// Sets the candidate list's counters to 0; nothing when a lock fails.
void ClearCandidateList(platform::InputMethodPort& port, platform::ContextHandle context);

// Sends a private message to the UI window: the owner of the panel's composition window, or,
// without one (the end of a composition destroys it), the UI window the panel was last shown
// for, or else the owner of the status window. Nothing when the context cannot be locked.
void NotifyUiWindow(platform::InputMethodPort& port, const InputPanel& panel, platform::ContextHandle context,
                    uint32_t message);

}  // namespace kellavor::core
