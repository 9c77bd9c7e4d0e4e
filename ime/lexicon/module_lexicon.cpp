#include "ime/lexicon/module_lexicon.h"

#include <algorithm>

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/german_search.h"
#include "ime/lexicon/user_block.h"
#include "ime/lexicon/word_record.h"

namespace kellavor::lexicon {

ModuleFiles ModuleFilesIn(const std::u16string& installFolder, const std::u16string& userFolder) {
  return {installFolder + u"data_si.bin", installFolder + u"data_ph.bin", installFolder + u"data_de.bin",
          userFolder + u"data_us.bin",    userFolder + u"custom.ini",     userFolder + u"mohuyin.Ini",
          installFolder + u"data_lm.bin"};
}

ModuleLexicon::ModuleLexicon(const ModuleFiles& files, const settings::ImeSettings& settings,
                             SystemMappingNames names, UserDictionaryOptions userOptions,
                             UserDictionary::MemoryAlarm memoryAlarm)
    : files_(files),
      settings_(settings),
      lexicon_(std::move(names)),
      userDictionary_(lexicon_.Dictionaries(), std::move(userOptions), std::move(memoryAlarm)) {
  lexicon_.Initialise({files.charPath, files.phrasePath, files.wordPath, files.fuzzyPath, files.modelPath},
                      settings.usefuzzy != 0);
  userDictionary_.OpenUserDictionary(files.userPath);
  speller_.CreateSpeller(files.charPath);
  customPhrases_.InitCustomPhrases(files.customPath, settings.usecustom != 0);
}

ModuleLexicon::~ModuleLexicon() { userDictionary_.SaveUserDictionary(); }

void ModuleLexicon::ReloadSettings() {
  lexicon_.LoadFuzzyPairs(files_.fuzzyPath, settings_.usefuzzy != 0);
  customPhrases_.ClearCustomPhrases();
  customPhrases_.LoadCustomPhrases(settings_.usecustom != 0);
}

int32_t ModuleLexicon::SearchPinyin(std::u16string_view key, core::GrowArray& candidates, uint16_t characterSet,
                                    bool useFrequency) {
  // The user dictionary may have been closed or reopened since the last search.
  lexicon_.SetUserBlock(userDictionary_.View());
  lexicon_.SetSmartSentence(settings_.smartsentence != 0);
  return lexicon_.SearchPinyin(key, candidates, static_cast<uint8_t>(characterSet), useFrequency);
}

int32_t ModuleLexicon::SearchGerman(std::u16string_view key, core::GrowArray& candidates) {
  return lexicon::SearchGerman({lexicon_.Dictionaries(), speller_, userDictionary_.View()}, key, candidates);
}

int32_t ModuleLexicon::SearchCustomPhrases(std::u16string_view key, core::GrowArray& candidates) {
  const std::u16string typed(key);
  return customPhrases_.Search(typed.c_str(), candidates);
}

std::u16string ModuleLexicon::CandidateText(const Candidate& candidate) {
  char16_t scratch[2];
  const std::u16string_view text = CandidateTextView(candidate, scratch);
  return std::u16string(text.substr(0, std::min(text.size(), core::kMaxCandidateTextUnits)));
}

CandidateItem ModuleLexicon::DescribeCandidate(const Candidate& candidate) { return lexicon::DescribeCandidate(candidate); }

std::u16string_view ModuleLexicon::WordExplanation(const Candidate& candidate) {
  if (candidate.entry == nullptr) return {};
  const auto* bytes = static_cast<const uint8_t*>(candidate.entry);
  if (candidate.kind == candidate_kind::kPh) return WordRecord(bytes).hint();
  if (candidate.kind == candidate_kind::kUs) {
    const UserRecord record(bytes, LoadU16(bytes));
    if (record.isGermanWord()) return record.hint();
  }
  return {};
}

std::vector<uint16_t> ModuleLexicon::SyllableCodes(const Candidate& candidate) {
  return lexicon_.SyllableCodes(candidate);
}

size_t ModuleLexicon::FormatReading(std::span<const uint16_t> codes, std::u16string_view letters,
                                    std::u16string& out) {
  return lexicon_.FormatReading(codes, letters, out);
}

void ModuleLexicon::LearnCandidate(const Candidate& candidate) {
  userDictionary_.LearnCandidate(candidate, lexicon_.SentenceText(), lexicon_.SentenceSyllables());
}

void ModuleLexicon::LearnPhrase(std::u16string_view text, std::span<const uint16_t> codes) {
  userDictionary_.LearnPhrase(text, codes, 1);
}

void ModuleLexicon::LearnWord(std::u16string_view word) { userDictionary_.LearnWord(word); }

}  // namespace kellavor::lexicon
