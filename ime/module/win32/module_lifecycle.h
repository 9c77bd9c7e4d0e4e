// The module's life in a process. The platform's start routine only notes the module's handle:
// it runs under the loader's lock, where creating windows or reading the registry and the shell's
// folders is unsafe. Everything else is set up on the first call of the input-method manager,
// which comes right after loading (ImeInquire), on a thread that runs a message loop.
#pragma once

#include <windows.h>

#include "ime/module/win32/ime_module.h"

namespace kellavor::module {

// At attach: notes the module's handle, whose resources the module reads.
void AttachModule(HINSTANCE instance);

// The started module; starts it on the first call. Null when it could not be started (out of
// memory), or after the detach.
ImeModule* StartedModule();

// At detach: takes the module down if it was started. processEnding: the process is exiting,
// as opposed to the module being unloaded from a process that goes on.
void DetachModule(bool processEnding);

}  // namespace kellavor::module
