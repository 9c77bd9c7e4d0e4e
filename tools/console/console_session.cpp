#include "tools/console/console_session.h"

#include <filesystem>

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

constexpr const char16_t* kShippedUserFiles[] = {u"config.ini", u"custom.ini", u"mohuyin.Ini", u"data_us.bin"};

void PrepareUserFolder(const SessionOptions& options) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(options.userFolder), ignored);
  for (const char16_t* file : kShippedUserFiles) {
    platform::CopyFileIfAbsent(options.dataFolder + file, options.userFolder + file);
  }
}

// The user's settings, once the folder is prepared, with the overrides applied: read from a copy
// of config.ini that holds them, so that the user's file keeps its own values.
settings::ImeSettings LoadSessionSettings(const SessionOptions& options) {
  PrepareUserFolder(options);
  const std::u16string configPath = options.userFolder + u"config.ini";
  settings::ImeSettings loaded;
  if (options.overrides.empty()) {
    settings::LoadSettings(loaded, configPath);
    return loaded;
  }
  const std::u16string overlay = options.userFolder + u"config.session.ini";
  platform::RemoveFile(overlay);
  platform::CopyFileIfAbsent(configPath, overlay);
  settings::IniFile file;
  file.Open(overlay);
  for (const SettingOverride& setting : options.overrides) file.WriteString(setting.section, setting.key, setting.value);
  settings::LoadSettings(loaded, overlay);
  platform::RemoveFile(overlay);
  return loaded;
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

ConsoleSession::ConsoleSession(const SessionOptions& options)
    : options_(options),
      settings_(LoadSessionSettings(options)),
      panel_(sim_),
      windows_(sim_, panel_, settings_) {
  platform::SetResourceFolder(options.dataFolder);
  lexicon::SystemMappingNames names;
  lexicon::UserDictionaryOptions user;
  for (std::u16string* name : {&names.chars, &names.phrases, &names.words, &user.blockName, &user.mutexName}) {
    *name += options.sharedNameSuffix;
  }
  lexicon_ = std::make_unique<lexicon::ModuleLexicon>(lexicon::ModuleFilesIn(options.dataFolder, options.userFolder),
                                                      settings_, names, user);
  core_ = std::make_unique<core::ImeCore>(sim_, settings_, panel_, *lexicon_);
  app_ = sim_.AddWindow(u"Edit");
  sim_.SetForeground(app_);
  context_ = sim_.CreateContext(app_);
  core::ImeSelect(sim_, core_.get(), context_, true);
  keys_ = std::make_unique<core::SimKeySender>(sim_, core_.get(), context_);
}

ConsoleSession::~ConsoleSession() { settings::SaveSettings(settings_, options_.userFolder + u"config.ini"); }

int32_t ConsoleSession::PageCount() const {
  const int32_t count = core_->CandidateCount();
  return count == 0 ? 0 : core::LastPage(count, core_->PageSize()) + 1;
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
