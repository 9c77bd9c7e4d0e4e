// The component blocks of an input context as the module keeps them: created fresh when the module
// is selected for a context, emptied when a composition starts. Each function works on a context
// its caller holds locked, and does nothing when that lock failed.
#pragma once

#include <cstdint>

#include "ime/core/input_panel.h"
#include "ime/platform/ime_port.h"

namespace kellavor::core {

// Replaces the context's composition-string and candidate-information blocks with new ones in
// their initial layout. A block that cannot be created or locked is left as it came.
void RecreateContextBlocks(platform::InputMethodPort& port, const platform::ContextLock& context);

// Empties the composition and result strings; nothing when the block cannot be locked.
void ClearCompositionString(platform::InputMethodPort& port, const platform::ContextLock& context);

// Sets the candidate list's counters to 0; nothing when the block cannot be locked.
void ClearCandidateList(platform::InputMethodPort& port, const platform::ContextLock& context);

// Sends a private message to the UI window: the owner of the panel's composition window, or,
// without one (the end of a composition destroys it), the UI window the panel was last shown
// for, or else the owner of the panel's status window.
void NotifyUiWindow(platform::InputMethodPort& port, const InputPanel& panel, const platform::ContextLock& context,
                    uint32_t message);

}  // namespace kellavor::core
