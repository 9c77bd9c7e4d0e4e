#include "viewer/viewer_controller.h"

#include <optional>
#include <vector>

#include "ime/platform/file_system.h"
#include "ime/ui/site_addresses.h"
#include "viewer/lookup_rules.h"

namespace kellavor::viewer {
namespace {

// The module writes a short template; anything larger is not its file.
constexpr size_t kLargestDetailFile = 64 * 1024;

}  // namespace

ViewerController::ViewerController(FormPort& form, std::u16string detailFile, std::string dictionaryHost,
                                   std::function<void()> beforeLookup)
    : form_(form),
      detailFile_(std::move(detailFile)),
      dictionaryHost_(std::move(dictionaryHost)),
      beforeLookup_(std::move(beforeLookup)) {}

intptr_t ViewerController::HandleCommand(uintptr_t command) {
  switch (static_cast<ViewerCommand>(command)) {
    case ViewerCommand::kShowWord: ShowWord(); break;
    case ViewerCommand::kHideViewer: HideViewer(); break;
    case ViewerCommand::kUiClosed: break;
  }
  return 1;
}

void ViewerController::ShowWord() {
  lookupSucceeded_ = false;
  const std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(detailFile_, kLargestDetailFile);
  if (!bytes.has_value()) return;
  const std::optional<std::string> word =
      WordOfDetailDocument(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (!word.has_value()) return;
  if (*word != lastWord_) {
    lastWord_ = *word;
    if (beforeLookup_) beforeLookup_();
    form_.Navigate(ui::LookupAddress(dictionaryHost_, *word));
    return;
  }
  if (!form_.IsVisible()) {
    form_.PlaceNextToIme();
    form_.StartFollowTimer();
    form_.Show();
  }
}

void ViewerController::HideViewer() {
  if (!form_.AutoFollow()) return;
  form_.Hide();
  form_.StopFollowTimer();
}

void ViewerController::PageCompleted(std::string_view source) {
  if (LookupSucceeded(source)) lookupSucceeded_ = true;
  if (!lookupSucceeded_) {
    HideViewer();
    return;
  }
  if (form_.AutoFollow()) {
    form_.PlaceNextToIme();
    form_.StartFollowTimer();
  }
  if (!toolStyleApplied_) {
    form_.ApplyToolWindowStyle();
    toolStyleApplied_ = true;
  }
  form_.Show();
}

}  // namespace kellavor::viewer
