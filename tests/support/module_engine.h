// The module's own assembly (ModuleObjects) as the objects of an EngineHarness: the engine on the
// dictionaries of an install folder, with a user folder, started and reloaded as the module does.
#pragma once

#include <memory>
#include <utility>

#include "ime/module/module_objects.h"
#include "tests/support/engine_harness.h"

namespace kellavor {

class ModuleEngine final : public EngineHarness::Objects {
 public:
  ModuleEngine(platform::SimInputMethod& sim, const module::ModulePaths& paths, module::WindowHooks hooks,
               module::StartOptions options)
      : objects_(sim, paths, std::move(hooks), std::move(options)) {}

  settings::ImeSettings& settings() override { return objects_.settings(); }
  core::InputPanel& panel() override { return objects_.panel(); }
  core::ImeCore& core() override { return objects_.core(); }
  module::ModuleObjects& module() { return objects_; }

 private:
  module::ModuleObjects objects_;
};

// The module's objects on the folders; the harness's adjustment runs after every reading of the
// settings file.
inline EngineHarness::MakeObjects ModuleObjectsOn(const module::ModulePaths& paths, const module::StartOptions& options,
                                                  const module::WindowHooks& hooks = {}) {
  return [paths, options, hooks](platform::SimInputMethod& sim,
                                 const EngineHarness::Adjust& adjust) -> std::unique_ptr<EngineHarness::Objects> {
    module::StartOptions withAdjust = options;
    withAdjust.adjustSettings = adjust;
    return std::make_unique<ModuleEngine>(sim, paths, hooks, std::move(withAdjust));
  };
}

// The module's objects of a harness made with ModuleObjectsOn.
inline module::ModuleObjects& ModuleOf(EngineHarness& engine) {
  return static_cast<ModuleEngine&>(engine.objects()).module();
}

}  // namespace kellavor
