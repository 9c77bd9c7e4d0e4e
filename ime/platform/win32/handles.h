// Win32 handles as the port's opaque handles and back.
#pragma once

#include "ime/platform/ime_port.h"
#include "ime/platform/win32/imm_device.h"

namespace kellavor::platform {

inline ContextHandle ToContextHandle(HIMC context) { return reinterpret_cast<ContextHandle>(context); }
inline HIMC ToHimc(ContextHandle context) { return reinterpret_cast<HIMC>(context); }

inline WindowHandle ToWindowHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }
inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

inline BlockHandle ToBlockHandle(HIMCC block) { return reinterpret_cast<BlockHandle>(block); }
inline HIMCC ToHimcc(BlockHandle block) { return reinterpret_cast<HIMCC>(block); }

inline LockedContext ToLockedContext(INPUTCONTEXT* context) { return reinterpret_cast<LockedContext>(context); }
inline INPUTCONTEXT* ToInputContext(LockedContext context) { return reinterpret_cast<INPUTCONTEXT*>(context); }

}  // namespace kellavor::platform
