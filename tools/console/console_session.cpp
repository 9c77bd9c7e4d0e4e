#include "tools/console/console_session.h"

#include "ime/core/candidate_pages.h"
#include "ime/core/entry_points.h"
#include "ime/platform/file_system.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"
#include "ime/platform/virtual_keys.h"
#include "ime/settings/ini_file.h"
#include "ime/settings/settings_store.h"

namespace kellavor::console {

namespace vk = platform::vk;

namespace {

// The overrides on top of the user's settings: written into a copy of config.ini and read from
// there, so that the user's file keeps its own values.
void ApplyOverrides(settings::ImeSettings& loaded, const std::u16string& userFolder,
                    const std::vector<SettingOverride>& overrides) {
  if (overrides.empty()) return;
  const std::u16string overlay = userFolder + u"config.session.ini";
  platform::RemoveFile(overlay);
  platform::CopyFileIfAbsent(userFolder + u"config.ini", overlay);
  settings::IniFile file;
  file.Open(overlay);
  for (const SettingOverride& setting : overrides) file.WriteString(setting.section, setting.key, setting.value);
  settings::LoadSettings(loaded, overlay);
  platform::RemoveFile(overlay);
}

// The shared memory of the session: the module's names with the session's suffix.
module::StartOptions StartOptionsOf(const SessionOptions& options) {
  module::StartOptions start;
  for (std::u16string* name : {&start.names.chars, &start.names.phrases, &start.names.words,
                               &start.userDictionary.blockName, &start.userDictionary.mutexName}) {
    *name += options.sharedNameSuffix;
  }
  start.adjustSettings = [userFolder = options.userFolder, overrides = options.overrides](settings::ImeSettings& loaded) {
    ApplyOverrides(loaded, userFolder, overrides);
  };
  return start;
}

}  // namespace

std::optional<SettingOverride> ParseSettingOverride(std::string_view text) {
  const size_t dot = text.find('.');
  const size_t equals = text.find('=');
  if (dot == 0 || dot == std::string_view::npos || equals == std::string_view::npos || equals <= dot + 1) {
    return std::nullopt;
  }
  return SettingOverride{platform::Utf8ToUtf16(text.substr(0, dot)),
                         platform::Utf8ToUtf16(text.substr(dot + 1, equals - dot - 1)),
                         platform::Utf8ToUtf16(text.substr(equals + 1))};
}

ConsoleSession::ConsoleSession(const SessionOptions& options) {
  platform::SetResourceFolder(options.dataFolder);
  objects_ = std::make_unique<module::ModuleObjects>(
      sim_, module::BuildModulePaths(options.dataFolder, options.userFolder), module::WindowHooks{},
      StartOptionsOf(options));
  windows_ = std::make_unique<core::SimUiWindows>(sim_, objects_->panel(), objects_->settings());
  app_ = sim_.AddWindow(u"Edit");
  sim_.SetForeground(app_);
  context_ = sim_.CreateContext(app_);
  core::ImeSelect(sim_, &objects_->core(), context_, true);
  keys_ = std::make_unique<core::SimKeySender>(sim_, &objects_->core(), context_);
}

int32_t ConsoleSession::PageCount() const {
  const int32_t count = engine().CandidateCount();
  return count == 0 ? 0 : core::LastPage(count, engine().PageSize()) + 1;
}

KeyStep ConsoleSession::Press(const ScriptKey& key) {
  KeyStep step;
  step.key = key;
  core::KeyOutcome outcome;
  for (uint32_t modifier : key.modifiers) outcome = core::Joined(std::move(outcome), keys_->Press(modifier));
  core::KeyOutcome press = keys_->Press(key.virtualKey);
  if (!press.claimed) step.passed = sim_.ToAscii(key.virtualKey, 0, sim_.GetKeyboardState());
  outcome = core::Joined(std::move(outcome), std::move(press));
  outcome = core::Joined(std::move(outcome), keys_->Release(key.virtualKey));
  for (auto modifier = key.modifiers.rbegin(); modifier != key.modifiers.rend(); ++modifier) {
    outcome = core::Joined(std::move(outcome), keys_->Release(*modifier));
  }
  step.claimed = outcome.claimed;
  step.hasCommit = outcome.hasCommit;
  step.commit = outcome.committed;
  ApplyToText(step, key.virtualKey);
  return step;
}

void ConsoleSession::ApplyToText(const KeyStep& step, uint32_t virtualKey) {
  text_ += step.commit;
  if (step.claimed) return;
  if (virtualKey == vk::kBack) {
    if (!text_.empty()) text_.pop_back();
    if (!text_.empty() && text_.back() >= 0xD800 && text_.back() <= 0xDBFF) text_.pop_back();
    return;
  }
  for (char16_t c : step.passed) {
    if (c == u'\r') {
      text_ += u'\n';
    } else if (c >= 0x20 || c == u'\t') {
      text_ += c;
    }
  }
}

}  // namespace kellavor::console
