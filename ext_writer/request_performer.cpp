#include "ext_writer/request_performer.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "ext_writer/settings_target.h"
#include "ext_writer/write_request.h"
#include "ime/platform/private_profile.h"

namespace kellavor::ext_writer {

RequestPerformer::RequestPerformer(lexicon::UserDictionary& dictionary, const lexicon::SystemDictionaries& dictionaries,
                                   std::u16string userFolder)
    : dictionary_(dictionary), dictionaries_(dictionaries), userFolder_(std::move(userFolder)) {}

bool RequestPerformer::KnowsSyllables(std::span<const uint16_t> syllables) const {
  const uint32_t count = dictionaries_.SyllableCount();
  return std::all_of(syllables.begin(), syllables.end(), [count](uint16_t syllable) { return syllable < count; });
}

bool RequestPerformer::Learned(int result) {
  if (result == lexicon::learn_result::kLearned || result == lexicon::learn_result::kAlreadyPresent) {
    learned_ = true;
    return true;
  }
  return false;
}

bool RequestPerformer::TakeLearned() { return std::exchange(learned_, false); }

bool RequestPerformer::Perform(uintptr_t kind, std::span<const uint8_t> data) {
  const std::optional<WriteRequest> request = ParseWriteRequest(kind, data);
  if (!request) return false;
  // A dictionary that could be had only for reading would hand every learning back to this very
  // window; the Add steps refuse in that case.
  if (const auto* character = std::get_if<LearnCharacter>(&*request)) {
    lexicon::CharRecord record;
    std::memcpy(record.bytes, character->record.data(), sizeof record.bytes);
    if (record.syllable() != lexicon::kNoSyllable && record.syllable() >= dictionaries_.SyllableCount()) return false;
    return Learned(dictionary_.AddUserChar(record));
  }
  if (const auto* phrase = std::get_if<LearnDictionaryPhrase>(&*request)) {
    if (!KnowsSyllables(phrase->syllables)) return false;
    return Learned(dictionary_.AddUserPhrase(phrase->text, phrase->frequency, phrase->charClass, false, phrase->syllables));
  }
  if (const auto* entry = std::get_if<RaiseLearnedEntry>(&*request)) {
    const lexicon::UserRecord record(entry->record.data(), static_cast<uint16_t>(entry->record.size()));
    if (record.isPhrase()) {
      std::vector<uint16_t> syllables;
      for (uint32_t i = 0; i < record.syllableCount(); ++i) syllables.push_back(record.syllableAt(i));
      if (!KnowsSyllables(syllables)) return false;
    }
    return Learned(dictionary_.BumpUserEntry(record));
  }
  if (const auto* word = std::get_if<LearnWord>(&*request)) return Learned(dictionary_.AddUserWord(word->word));
  if (const auto* composed = std::get_if<LearnComposedPhrase>(&*request)) {
    if (!KnowsSyllables(composed->syllables)) return false;
    uint8_t charClass = 0;
    for (const char16_t unit : composed->text) charClass = static_cast<uint8_t>(charClass | dictionaries_.CharClass(unit));
    return Learned(dictionary_.AddUserPhrase(composed->text, 0, charClass, true, composed->syllables));
  }
  const auto& setting = std::get<WriteSetting>(*request);
  if (!IsUserSettingsFile(setting.path, userFolder_)) return false;
  return platform::WriteProfileValue(setting.section, setting.key, setting.value, setting.path);
}

}  // namespace kellavor::ext_writer
