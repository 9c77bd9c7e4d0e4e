// What the viewer does on the module's commands and when a page has arrived, over the operations
// of its form. The form (a window with a browser) implements FormPort; this decides.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kellavor::viewer {

// The commands of the module's message (WM_APP + 1, the command in wParam).
enum class ViewerCommand : uintptr_t { kShowWord = 1, kHideViewer = 2, kUiClosed = 3 };

class FormPort {
 public:
  virtual ~FormPort() = default;
  // Loads the address in the browser, with no flags, headers, post data or target frame.
  virtual void Navigate(const std::string& url) = 0;
  virtual bool IsVisible() const = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Places the form beside the module's window, once.
  virtual void PlaceNextToIme() = 0;
  virtual void StartFollowTimer() = 0;
  virtual void StopFollowTimer() = 0;
  // The pin state: true while the form follows the module's windows.
  virtual bool AutoFollow() const = 0;
  // Takes the program's button off the taskbar.
  virtual void ApplyToolWindowStyle() = 0;
};

class ViewerController {
 public:
  // detailFile: the exchange file; dictionaryHost: host[:port] of the lookup pages. beforeLookup
  // runs before each navigation to a new word (it makes sure the site answers).
  ViewerController(FormPort& form, std::u16string detailFile, std::string dictionaryHost,
                   std::function<void()> beforeLookup = {});

  // The message's handling; the answer is always 1.
  intptr_t HandleCommand(uintptr_t command);

  // Reads the exchange file and looks its word up, or shows the page of the same word again.
  void ShowWord();
  // Hides the form while it follows the module's windows; a pinned form stays.
  void HideViewer();
  // A navigation completed; source is the current document's source text.
  void PageCompleted(std::string_view source);

  const std::string& LastWord() const { return lastWord_; }
  bool LookupSucceededFlag() const { return lookupSucceeded_; }

 private:
  FormPort& form_;
  std::u16string detailFile_;
  std::string dictionaryHost_;
  std::function<void()> beforeLookup_;
  std::string lastWord_;
  bool lookupSucceeded_ = false;
  bool toolStyleApplied_ = false;
};

}  // namespace kellavor::viewer
