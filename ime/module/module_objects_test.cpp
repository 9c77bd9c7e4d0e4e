// The module's objects as the module starts, reloads and ends them, on the fixture dictionaries
// and a user folder of the test's own, driven by keys through the simulated manager.
#include "ime/module/module_objects.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ime/platform/virtual_keys.h"
#include "ime/settings/ini_file.h"
#include "tests/support/fixture_dictionaries.h"
#include "tests/support/module_engine.h"
#include "tests/support/test_folder.h"

namespace kellavor::module {
namespace {

class ModuleObjectsTest : public testing::Test {
 protected:
  ModuleObjectsTest() : user_(testing::UnitTest::GetInstance()->current_test_info()->name()) {
    UseFixtureResources();
    std::ofstream(user_.Native() / "config.ini") << "[UI]\nnumofpage=7\n";
    std::ofstream(user_.Native() / "mohuyin.Ini") << "[Fuzzy]\n";
    std::ofstream(user_.Native() / "custom.ini") << "";
  }

  // The module's objects on the fixture folder, under shared names of the test's own.
  EngineHarness::MakeObjects Objects(const WindowHooks& hooks = {}) const {
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::u16string id(name.begin(), name.end());
    StartOptions options;
    options.names = {u"KellavorModule_Si_" + id, u"KellavorModule_Ph_" + id, u"KellavorModule_De_" + id};
    options.userDictionary = {u"KellavorModule_Us_" + id, u"KellavorModule_UsLock_" + id};
    return ModuleObjectsOn(BuildModulePaths(FixtureDictionaryFolder(), user_.Folder()), options, hooks);
  }

  void WriteConfig(const std::u16string& section, const std::u16string& key, const std::u16string& value) const {
    settings::IniFile config;
    config.Open(user_.Path(u"config.ini"));
    config.WriteString(section, key, value);
  }

  int32_t ConfigInt(const std::u16string& section, const std::u16string& key) const {
    settings::IniFile config;
    config.Open(user_.Path(u"config.ini"));
    return config.ReadInt(section, key, -1);
  }

  TestFolder user_;
};

TEST_F(ModuleObjectsTest, AReloadKeepsTheRuntimeStateAndTakesEveryOtherChange) {
  EngineHarness engine(Objects());
  EXPECT_EQ(engine.core().PageSize(), 7) << "the start reads the user's config.ini";
  engine.Tap(platform::vk::kShift);
  ASSERT_EQ(engine.settings().inputmode, core::kGermanMode);

  // Another program changes the file: a page size, the phrases, and an input mode of its own.
  WriteConfig(u"UI", u"numofpage", u"3");
  WriteConfig(u"APPSTATUS", u"inputmode", u"0");
  std::ofstream(user_.Native() / "custom.ini") << "mfg=1,Mit freundlichen Grüßen\n";
  ModuleOf(engine).ReloadSettings();

  EXPECT_EQ(engine.settings().inputmode, core::kGermanMode) << "the process's own state was saved before the reload";
  EXPECT_EQ(ConfigInt(u"APPSTATUS", u"inputmode"), static_cast<int32_t>(core::kGermanMode));
  EXPECT_EQ(engine.core().PageSize(), 3);
  engine.Type(u"mfg");
  ASSERT_FALSE(engine.panel().Entries().empty());
  EXPECT_EQ(engine.panel().Entries()[0].text, u"Mit freundlichen Grüßen") << "the custom phrases were read again";
  EXPECT_LE(engine.panel().Entries().size(), 3u);
}

TEST_F(ModuleObjectsTest, AThemeChangeReadsUsethemeAloneAndAbandonsTheComposition) {
  int reloads = 0;
  EngineHarness engine(Objects({.softKeyboard = nullptr, .memoryAlarm = {}, .reloadTheme = [&reloads] { ++reloads; }}));
  engine.Type(u"ni");
  ASSERT_FALSE(engine.panel().Composition().empty());

  WriteConfig(u"UI", u"usetheme", u"258");
  WriteConfig(u"UI", u"numofpage", u"3");
  ModuleOf(engine).ReloadTheme();

  EXPECT_EQ(engine.settings().usetheme, 2u) << "its low eight bits";
  EXPECT_EQ(engine.settings().numofpage, 7) << "no other key is read";
  EXPECT_EQ(reloads, 1) << "the windows reload their skins";
  EXPECT_TRUE(engine.panel().Composition().empty());
  EXPECT_FALSE(engine.sim().IsWindowVisible(engine.windows().composition()));
}

TEST_F(ModuleObjectsTest, TheEndSavesTheRuntimeStateForTheNextStart) {
  {
    EngineHarness engine(Objects());
    engine.Tap(platform::vk::kShift);
    ASSERT_EQ(engine.settings().inputmode, core::kGermanMode);
  }
  EXPECT_EQ(ConfigInt(u"APPSTATUS", u"inputmode"), static_cast<int32_t>(core::kGermanMode));
  EngineHarness again(Objects());
  EXPECT_EQ(again.settings().inputmode, core::kGermanMode) << "uselast keeps the mode of the last session";
  again.Type(u"haus");
  ASSERT_FALSE(again.panel().Entries().empty());
  EXPECT_EQ(again.panel().Entries()[0].text, u"Haus");
}

}  // namespace
}  // namespace kellavor::module
