// The engine on the fixture dictionaries, as the module builds it: the module's objects on the
// fixture folder with a user folder of the test's own.
#pragma once

#include <fstream>
#include <string>

#include "tests/support/fixture_dictionaries.h"
#include "tests/support/module_engine.h"
#include "tests/support/test_folder.h"

namespace kellavor {

// The user folder of a fixture engine: custom.ini with the given lines and an empty mohuyin.Ini.
inline TestFolder FixtureUserFolder(const std::string& name, const std::string& custom) {
  TestFolder folder("FixtureEngine_" + name);
  std::ofstream(folder.Native() / "custom.ini") << custom;
  std::ofstream(folder.Native() / "mohuyin.Ini") << "[Fuzzy]\n";
  return folder;
}

// name: the test's own, for its folder and its shared memory.
inline EngineHarness::MakeObjects FixtureEngine(const std::string& name, const std::string& custom = "") {
  UseFixtureResources();
  const TestFolder folder = FixtureUserFolder(name, custom);
  const std::u16string id(name.begin(), name.end());
  module::StartOptions options;
  options.names = {u"KellavorEngine_Si_" + id, u"KellavorEngine_Ph_" + id, u"KellavorEngine_De_" + id};
  options.userDictionary = {u"KellavorEngine_Us_" + id, u"KellavorEngine_UsLock_" + id};
  return ModuleObjectsOn(module::BuildModulePaths(FixtureDictionaryFolder(), folder.Folder()), options);
}

}  // namespace kellavor
