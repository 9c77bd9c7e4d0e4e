// The engine on the fixture dictionaries, as the module builds it: a ModuleLexicon on the fixture
// files with a user folder of the test's own, reading the engine's settings.
#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "ime/lexicon/module_lexicon.h"
#include "tests/support/engine_harness.h"
#include "tests/support/fixture_dictionaries.h"
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
inline EngineHarness::LexiconFactory FixtureLexiconFactory(const std::string& name, const std::string& custom = "") {
  return [name, custom](const settings::ImeSettings& settings) -> std::unique_ptr<lexicon::LexiconPort> {
    UseFixtureResources();
    const TestFolder folder = FixtureUserFolder(name, custom);
    const std::u16string id(name.begin(), name.end());
    return std::make_unique<lexicon::ModuleLexicon>(
        lexicon::ModuleFilesIn(FixtureDictionaryFolder(), folder.Folder()), settings,
        lexicon::SystemMappingNames{u"KellavorEngine_Si_" + id, u"KellavorEngine_Ph_" + id, u"KellavorEngine_De_" + id},
        lexicon::UserDictionaryOptions{u"KellavorEngine_Us_" + id, u"KellavorEngine_UsLock_" + id});
  };
}

}  // namespace kellavor
