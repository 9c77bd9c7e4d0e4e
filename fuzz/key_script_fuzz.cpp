// Any bytes as a key script of the console: parsed, and when it parses, typed into a fresh module
// (the module's objects on the fixture dictionaries, through the simulated input-method manager),
// with the engine's state checked after every key.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "tools/console/console_session.h"
#include "tools/console/key_script.h"

namespace {

constexpr size_t kMaxKeys = 400;

void CheckEngine(const kellavor::console::ConsoleSession& session) {
  const kellavor::core::ImeCore& engine = session.engine();
  if (engine.Cursor() > engine.Composition().size() || engine.Composition().size() > 64) std::abort();
  if (engine.CandidateCount() == 0 && engine.PageIndex() != 0) std::abort();
  if (engine.CandidateCount() > 0 && int32_t{engine.PageIndex()} * engine.PageSize() >= engine.CandidateCount()) {
    std::abort();
  }
  if (session.panel().Split() > session.panel().Composition().size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  std::optional<console::ScriptError> error;
  const std::vector<console::ScriptKey> keys =
      console::ParseKeyScript(std::string_view(reinterpret_cast<const char*>(data), size), error);
  if (error || keys.empty()) return 0;

  const std::u16string userFolder = fuzz::ScratchPath(u"user/");
  for (std::u16string_view file : {u"user/config.ini", u"user/data_us.bin", u"user/custom.ini"}) {
    fuzz::RemoveScratchFile(file);
  }
  console::SessionOptions options;
  options.dataFolder = fuzz::FixtureFolder();
  options.userFolder = userFolder;
  options.sharedNameSuffix = fuzz::UniqueName(u"");
  console::ConsoleSession session(options);
  for (size_t i = 0; i < keys.size() && i < kMaxKeys; ++i) {
    session.Press(keys[i]);
    CheckEngine(session);
  }
  return 0;
}
