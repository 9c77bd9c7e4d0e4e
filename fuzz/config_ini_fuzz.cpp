// Any bytes as config.ini: the settings are read, the runtime state is written back, and a second
// reading finds exactly the runtime state that was written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_folder.h"
#include "ime/settings/ime_settings.h"
#include "ime/settings/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  fuzz::WriteScratchFile(u"config.ini", data, size);
  const std::u16string path = fuzz::ScratchPath(u"config.ini");
  settings::ImeSettings first;
  settings::LoadSettings(first, path);
  settings::SaveSettings(first, path);
  settings::ImeSettings second;
  settings::LoadSettings(second, path);
  if (second.numpadfunckind != first.numpadfunckind || second.big5mode != first.big5mode ||
      second.softkbdid != first.softkbdid || second.previnputmode != first.previnputmode ||
      second.ptstatusbar != first.ptstatusbar || second.ptcompbar != first.ptcompbar) {
    std::abort();
  }
  if (first.uselast != 0 && second.inputmode != first.inputmode) std::abort();
  return 0;
}
