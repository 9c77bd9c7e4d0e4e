// What the module does on each message of the external event window: save, clear, release or
// reopen the dictionaries, reload the settings or the theme. The window is the platform's; the
// actions are portable, so that they can be run and tested without it.
#pragma once

namespace kellavor::settings {

class ExtEventActions {
 public:
  virtual ~ExtEventActions() = default;
  virtual void ClearUserDictionary() = 0;
  virtual void SaveUserDictionary() = 0;
  virtual void CloseUserDictionary() = 0;
  virtual void ReopenUserDictionary() = 0;
  virtual void ReleasePhraseTable() = 0;
  virtual void ReloadSettings() = 0;
  virtual void ReloadTheme() = 0;
};

}  // namespace kellavor::settings
