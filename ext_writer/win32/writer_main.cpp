// The external writer program: one per user session, started by setup's logon entry. It maps the
// system dictionaries (for the syllable table and the German words a learning refers to), opens the
// shared user dictionary for writing and serves requests until its window is closed.
#include <windows.h>

#include <string>

#include "ext_writer/request_performer.h"
#include "ext_writer/win32/writer_window.h"
#include "ime/module/module_paths.h"
#include "ime/module/win32/application_data_folder.h"
#include "ime/platform/win32/program_folder.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace kellavor;
  if (FindWindowW(ext_writer::kWriterClass, ext_writer::kWriterTitle) != nullptr) return 0;  // one is running
  const module::ModulePaths paths =
      module::BuildModulePaths(platform::ProgramFolder(), module::UserFolderIn(module::ApplicationDataFolder()));
  if (paths.userFolder.empty()) return 1;
  module::PrepareUserFolder(paths);

  lexicon::SystemDictionaries dictionaries;
  dictionaries.MapSystemFiles(paths.charDictionary, paths.phraseDictionary, paths.germanDictionary);
  lexicon::UserDictionary dictionary(dictionaries);
  dictionary.OpenUserDictionary(paths.userDictionary);
  ext_writer::RequestPerformer performer(dictionary, dictionaries, paths.userFolder);
  if (ext_writer::CreateWriterWindow(instance, performer, dictionary) == nullptr) return 1;

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
