// The platform's start routine of the module: it never fails the load.
#include <windows.h>

#include "ime/module/win32/module_lifecycle.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) kellavor::module::AttachModule(instance);
  if (reason == DLL_PROCESS_DETACH) kellavor::module::DetachModule(reserved != nullptr);
  return TRUE;
}
