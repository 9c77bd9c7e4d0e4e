#include "ime/platform/named_mutex.h"

#include <windows.h>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {

NamedMutex::NamedMutex(const std::u16string& name) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(name));
  if (mutex != nullptr) handle_ = reinterpret_cast<intptr_t>(mutex);
}

NamedMutex::~NamedMutex() {
  if (valid()) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

void NamedMutex::Lock() {
  // An abandoned mutex (its holder died) is handed over to the waiter like a released one.
  if (valid()) WaitForSingleObject(reinterpret_cast<HANDLE>(handle_), INFINITE);
}

void NamedMutex::Unlock() {
  if (valid()) ReleaseMutex(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace kellavor::platform
