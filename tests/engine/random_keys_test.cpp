// The engine on the fixture dictionaries under a long random stream of keys, and the key storm:
// the module's objects under as many keys as KELLAVOR_STORM_KEYS says, with the settings file
// changed and reloaded and the theme reloaded now and then, as other programs have them reloaded.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "ime/settings/ini_file.h"
#include "tests/engine/fixture_engine.h"
#include "tests/support/random_key_stream.h"

namespace kellavor {
namespace {

TEST(RandomKeys, OnTheFixtureDictionaries) {
  EngineHarness engine(FixtureEngine("RandomKeys", "[custom]\nmfg=Mit freundlichen Grüßen,1\n"));
  TypeRandomKeys(engine, 7, 20000);
}

size_t StormKeys() {
  const char* keys = std::getenv("KELLAVOR_STORM_KEYS");
  return keys != nullptr ? static_cast<size_t>(std::strtoull(keys, nullptr, 10)) : 5000;
}

// The settings that change what the keys do, given new values in config.ini before a reload.
void ChangeSettingsFile(const std::u16string& path, std::mt19937& random) {
  settings::IniFile file;
  file.Open(path);
  file.WriteInt(u"UI", u"numofpage", static_cast<int32_t>(random() % 12));
  file.WriteInt(u"UI", u"showmode", static_cast<int32_t>(random() % 2));
  file.WriteInt(u"GENERAL", u"sentence_en", static_cast<int32_t>(random() % 2));
  file.WriteInt(u"GENERAL", u"characterset", static_cast<int32_t>(random() % 16));
  file.WriteInt(u"GENERAL", u"smartsentence", static_cast<int32_t>(random() % 2));
  file.WriteInt(u"FUZZY", u"usefuzzy", static_cast<int32_t>(random() % 2));
  file.WriteInt(u"HOTKEY", u"en_usespace", static_cast<int32_t>(random() % 2));
  file.WriteInt(u"HOTKEY", u"pageturnbytab", static_cast<int32_t>(random() % 2));
  file.WriteInt(u"ADVANCED", u"usecustom", static_cast<int32_t>(random() % 2));
}

TEST(KeyStorm, TheModuleHoldsTogetherUnderKeysAndReloads) {
  const char* seedText = std::getenv("KELLAVOR_STORM_SEED");
  const uint32_t seed = seedText != nullptr ? static_cast<uint32_t>(std::strtoul(seedText, nullptr, 10)) : 20261209;
  EngineHarness engine(FixtureEngine("KeyStorm", "mfg=1,Mit freundlichen Grüßen\nd=2,%Y-%m-%d\n"));
  module::ModuleObjects& module = ModuleOf(engine);
  std::mt19937 random(seed + 1);
  const StreamReloads reloads{[&] {
                                ChangeSettingsFile(module.paths().settingsFile, random);
                                module.ReloadSettings();
                              },
                              [&] { module.ReloadTheme(); }};
  TypeRandomKeys(engine, seed, StormKeys(), reloads);
}

}  // namespace
}  // namespace kellavor
