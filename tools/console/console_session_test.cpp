#include "tools/console/console_session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tools/console/key_report.h"
#include "tests/support/fixture_dictionaries.h"
#include "tests/support/test_folder.h"

namespace kellavor::console {
namespace {

std::vector<KeyStep> TypeScript(ConsoleSession& session, std::string_view script) {
  std::optional<ScriptError> error;
  std::vector<KeyStep> steps;
  for (const ScriptKey& key : ParseKeyScript(script, error)) steps.push_back(session.Press(key));
  return steps;
}

TEST(ConsoleSession, ATypedScriptCommitsIntoTheApplicationsText) {
  const TestFolder user("ConsoleSessionScript");
  ConsoleSession session({FixtureDictionaryFolder(), user.Folder(), {}, u"_test"});
  const std::vector<KeyStep> steps = TypeScript(session, "nihao{Space}Hi{Shift}");
  ASSERT_EQ(steps.size(), 9u);
  EXPECT_EQ(steps[5].commit, u"你好");
  EXPECT_FALSE(steps[6].claimed) << "a capital in pinyin mode goes to the application";
  EXPECT_EQ(steps[6].passed, u"H");
  EXPECT_TRUE(steps[7].claimed) << "a lower-case letter opens a composition";
  EXPECT_EQ(session.text(), u"你好H") << "the mode switch dropped the composition 'i'";
  EXPECT_EQ(session.settings().inputmode, core::kGermanMode);
  EXPECT_EQ(session.panel().Composition(), u"");
}

TEST(ConsoleSession, OverridesHoldForTheSessionOnly) {
  const TestFolder user("ConsoleSessionOverrides");
  std::ofstream(user.Native() / "config.ini") << "[UI]\nnumofpage=7\n";
  {
    const std::optional<SettingOverride> override = ParseSettingOverride("UI.numofpage=3");
    ASSERT_TRUE(override.has_value());
    ConsoleSession session({FixtureDictionaryFolder(), user.Folder(), {*override}, u"_test"});
    EXPECT_EQ(session.settings().numofpage, 3);
    EXPECT_EQ(session.engine().PageSize(), 3);
  }
  ConsoleSession again({FixtureDictionaryFolder(), user.Folder(), {}, u"_test"});
  EXPECT_EQ(again.settings().numofpage, 7);
  EXPECT_FALSE(ParseSettingOverride("numofpage=3").has_value());
  EXPECT_FALSE(ParseSettingOverride("UI.=3").has_value());
}

TEST(ConsoleSession, JsonReportsEveryKey) {
  const TestFolder user("ConsoleSessionJson");
  ConsoleSession session({FixtureDictionaryFolder(), user.Folder(), {}, u"_test"});
  const std::vector<KeyStep> steps = TypeScript(session, "ni");
  const std::string report = JsonReport(session, steps.back());
  EXPECT_EQ(report.rfind("{\"key\":\"i\",\"claimed\":true,\"mode\":\"pinyin\",\"composition\":\"ni'\",\"caret\":3,", 0), 0u)
      << report;
  EXPECT_NE(report.find("\"candidates\":[{\"text\":\"你\",\"hint\":null}"), std::string::npos) << report;
  EXPECT_NE(report.find("\"highlight\":0,\"page\":0,\"pages\":1,\"commit\":null,\"passed\":null"), std::string::npos)
      << report;
  EXPECT_EQ(JsonString(u"a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\nd\\u0001\"");
}

}  // namespace
}  // namespace kellavor::console
