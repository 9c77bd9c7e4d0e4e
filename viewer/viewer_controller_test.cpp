// The module's commands and page arrivals against a recorded form, with the exchange file on disk.
#include "viewer/viewer_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ime/platform/utf8_file.h"
#include "tests/support/test_folder.h"

namespace kellavor::viewer {
namespace {

class RecordedForm final : public FormPort {
 public:
  void Navigate(const std::string& url) override { calls.push_back("navigate " + url); }
  bool IsVisible() const override { return visible; }
  void Show() override {
    visible = true;
    calls.push_back("show");
  }
  void Hide() override {
    visible = false;
    calls.push_back("hide");
  }
  void PlaceNextToIme() override { calls.push_back("place"); }
  void StartFollowTimer() override { calls.push_back("follow"); }
  void StopFollowTimer() override { calls.push_back("stop"); }
  bool AutoFollow() const override { return autoFollow; }
  void ApplyToolWindowStyle() override { calls.push_back("tool"); }

  std::vector<std::string> calls;
  bool visible = false;
  bool autoFollow = true;
};

using Calls = std::vector<std::string>;
constexpr std::string_view kSuccess = "<html><ime><!--imesuccess--></ime></html>";

class ViewerControllerTest : public ::testing::Test {
 protected:
  void Write(std::string_view document) { ASSERT_TRUE(platform::WriteUtf8File(file_, document)); }

  TestFolder folder_{"viewer_controller"};
  std::u16string file_ = folder_.Path(u"detail.html");
  RecordedForm form_;
  int siteChecks_ = 0;
  ViewerController controller_{form_, file_, "127.0.0.1:8794", [this] { ++siteChecks_; }};
};

TEST_F(ViewerControllerTest, AWordIsLookedUpOnceAndShownWhenThePageReportsSuccess) {
  Write("<cfg><word>Haus</word><sentence></sentence></cfg>");
  EXPECT_EQ(controller_.HandleCommand(1), 1);
  EXPECT_EQ(form_.calls, Calls{"navigate http://127.0.0.1:8794/dicts/ImeSearch?word=Haus"});
  EXPECT_EQ(siteChecks_, 1);
  controller_.PageCompleted(kSuccess);
  EXPECT_EQ(form_.calls, (Calls{"navigate http://127.0.0.1:8794/dicts/ImeSearch?word=Haus", "place", "follow", "tool",
                                "show"}));

  form_.calls.clear();
  controller_.HandleCommand(1);
  EXPECT_EQ(form_.calls, Calls{}) << "the same word while visible: nothing at all";
  controller_.HandleCommand(2);
  EXPECT_EQ(form_.calls, (Calls{"hide", "stop"}));
  form_.calls.clear();
  controller_.HandleCommand(1);
  EXPECT_EQ(form_.calls, (Calls{"place", "follow", "show"})) << "the same word while hidden: shown again unloaded";

  form_.calls.clear();
  controller_.PageCompleted(kSuccess);
  EXPECT_EQ(form_.calls, (Calls{"place", "follow", "show"})) << "the taskbar style is applied once";
}

TEST_F(ViewerControllerTest, AFailedPageHidesAFollowingFormOnlyAndFilesWithoutAWordChangeNothing) {
  Write("\xEF\xBB\xBF<cfg><word>Quatsch</word></cfg>");
  controller_.HandleCommand(1);
  form_.visible = true;
  form_.calls.clear();
  controller_.PageCompleted("<ime> <!--imesuccess--></ime>");
  EXPECT_EQ(form_.calls, (Calls{"hide", "stop"}));

  form_.autoFollow = false;
  form_.visible = true;
  form_.calls.clear();
  controller_.PageCompleted("<p>nothing</p>");
  controller_.HandleCommand(2);
  controller_.HandleCommand(3);
  controller_.HandleCommand(77);
  EXPECT_EQ(form_.calls, Calls{}) << "a pinned form stays; UiClosed and unknown commands do nothing";

  for (std::string_view document : {"<cfg><word>@word</word></cfg>", "<cfg><word></word></cfg>", "<cfg></cfg>"}) {
    Write(document);
    controller_.HandleCommand(1);
  }
  EXPECT_EQ(form_.calls, Calls{});
  EXPECT_EQ(controller_.LastWord(), "Quatsch");
}

TEST_F(ViewerControllerTest, ShowWordClearsTheSuccessOfTheEarlierPage) {
  Write("<cfg><word>Haus</word></cfg>");
  controller_.HandleCommand(1);
  controller_.PageCompleted(kSuccess);
  EXPECT_TRUE(controller_.LookupSucceededFlag());
  Write("<cfg><word>Maus</word></cfg>");
  controller_.HandleCommand(1);
  EXPECT_FALSE(controller_.LookupSucceededFlag());
  form_.calls.clear();
  controller_.PageCompleted("<p>frame without marker</p>");
  EXPECT_EQ(form_.calls, (Calls{"hide", "stop"}));
}

}  // namespace
}  // namespace kellavor::viewer
