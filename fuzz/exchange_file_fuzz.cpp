// Any bytes as the exchange file the viewer reads on the module's "show word" command. The word
// is taken from an exact-size copy; the controller, on a recording form, must navigate exactly when
// there is a word, only to the lookup page of the dictionary host with the word as one
// percent-encoded query value, and must show the form instead of navigating when the same word
// comes again. The same bytes go through the page-source, navigation and host-setting checks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "ime/base/percent_encode.h"
#include "ime/ui/site_addresses.h"
#include "viewer/lookup_rules.h"
#include "viewer/viewer_controller.h"

namespace {

using namespace kellavor;

constexpr char kHost[] = "127.0.0.1:8794";

class RecordingForm final : public viewer::FormPort {
 public:
  void Navigate(const std::string& url) override { urls.push_back(url); }
  bool IsVisible() const override { return visible; }
  void Show() override { visible = true; }
  void Hide() override { visible = false; }
  void PlaceNextToIme() override {}
  void StartFollowTimer() override {}
  void StopFollowTimer() override {}
  bool AutoFollow() const override { return true; }
  void ApplyToolWindowStyle() override {}

  std::vector<std::string> urls;
  bool visible = false;
};

void CheckLookupAddress(const std::string& url, const std::string& word) {
  if (viewer::DecideNavigation(url, kHost) != viewer::Navigation::kProceed) std::abort();
  const std::string prefix = "http://" + std::string(kHost) + std::string(ui::kLookupQuery);
  if (url.compare(0, prefix.size(), prefix) != 0 || url.substr(prefix.size()) != word) std::abort();
  if (!base::IsPercentEncoded(word)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> word = viewer::WordOfDetailDocument(bytes);

  fuzz::WriteScratchFile(u"detail.xml", data, size);
  RecordingForm form;
  viewer::ViewerController controller(form, fuzz::ScratchPath(u"detail.xml"), kHost);
  controller.ShowWord();
  if (form.urls.size() != (word.has_value() ? 1u : 0u)) std::abort();
  if (word.has_value()) {
    CheckLookupAddress(form.urls.front(), *word);
    controller.ShowWord();
    if (form.urls.size() != 1 || !form.visible) std::abort();
  }
  form.visible = false;
  controller.PageCompleted(bytes);
  if (form.visible != viewer::LookupSucceeded(bytes)) std::abort();

  viewer::DecideNavigation(bytes, kHost);
  if (const std::optional<viewer::SiteEndpoint> endpoint = viewer::ParseSiteHost(bytes)) {
    if (endpoint->host.empty() || endpoint->port < 1 || endpoint->port > 65535) std::abort();
    viewer::IsLoopback(*endpoint);
  }
  return 0;
}
