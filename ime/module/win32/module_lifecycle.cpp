#include "ime/module/win32/module_lifecycle.h"

#include <memory>

#include "ime/platform/call_guarded.h"
#include "ime/platform/module_resources.h"

namespace kellavor::module {
namespace {

struct Lifecycle {
  HINSTANCE instance = nullptr;
  INIT_ONCE started = INIT_ONCE_STATIC_INIT;
  std::unique_ptr<ImeModule> module;
  bool detached = false;
};

Lifecycle& TheLifecycle() {
  static Lifecycle lifecycle;
  return lifecycle;
}

BOOL CALLBACK Start(INIT_ONCE*, void*, void**) {
  Lifecycle& lifecycle = TheLifecycle();
  if (lifecycle.detached) return TRUE;
  lifecycle.module = platform::CallGuarded(std::unique_ptr<ImeModule>(),
                                           [&] { return std::make_unique<ImeModule>(lifecycle.instance); });
  return TRUE;
}

}  // namespace

void AttachModule(HINSTANCE instance) {
  TheLifecycle().instance = instance;
  platform::SetResourceModule(instance);
}

ImeModule* StartedModule() {
  Lifecycle& lifecycle = TheLifecycle();
  InitOnceExecuteOnce(&lifecycle.started, &Start, nullptr, nullptr);
  return lifecycle.module.get();
}

void DetachModule(bool processEnding) {
  Lifecycle& lifecycle = TheLifecycle();
  lifecycle.detached = true;
  if (lifecycle.module == nullptr) return;
  if (processEnding) lifecycle.module->SetProcessEnding();
  lifecycle.module.reset();
}

}  // namespace kellavor::module
