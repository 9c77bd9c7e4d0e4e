#include "ime/lexicon/module_lexicon.h"

#include <algorithm>

#include "ime/lexicon/candidate_view.h"
#include "ime/lexicon/german_search.h"

namespace kellavor::lexicon {

ModuleLexicon::ModuleLexicon(const ModuleFiles& files, const settings::ImeSettings& settings,
                             SystemMappingNames names, UserDictionaryOptions userOptions,
                             UserDictionary::MemoryAlarm memoryAlarm)
    : files_(files),
      settings_(settings),
      lexicon_(std::move(names)),
      userDictionary_(lexicon_.Dictionaries(), std::move(userOptions), std::move(memoryAlarm)) {
  lexicon_.Initialise({files.charPath, files.phrasePath, files.wordPath, files.fuzzyPath, files.modelPath,
                       files.checkRecordPath},
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

int32_t ModuleLexicon::SearchPinyin(std::u16string_view key, base::GrowArray& candidates, uint16_t characterSet,
                                    bool useFrequency) {
  // The user dictionary may have been closed or reopened since the last search.
  lexicon_.SetUserBlock(userDictionary_.View());
  lexicon_.SetSmartSentence(settings_.smartsentence != 0);
  return lexicon_.SearchPinyin(key, candidates, static_cast<uint8_t>(characterSet), useFrequency);
}

int32_t ModuleLexicon::SearchGerman(std::u16string_view key, base::GrowArray& candidates) {
  return lexicon::SearchGerman({lexicon_.Dictionaries(), speller_, userDictionary_.View(), &nearKeys_}, key, candidates);
}

int32_t ModuleLexicon::SearchCustomPhrases(std::u16string_view key, base::GrowArray& candidates) {
  const std::u16string typed(key);
  return customPhrases_.Search(typed.c_str(), candidates);
}

void ModuleLexicon::DescribePage(std::span<const Candidate> page, SearchLanguage language,
                                 std::u16string_view readingLetters, PageDescription& out) {
  const bool pinyin = language == SearchLanguage::kPinyin;
  out.entries.resize(page.size());
  for (size_t i = 0; i < page.size(); ++i) {
    const CandidateView view(page[i]);
    PageEntry& entry = out.entries[i];
    entry.item = view.Item();
    char16_t scratch[2];
    const std::u16string_view text = view.Text(scratch);
    entry.text.assign(text.substr(0, std::min(text.size(), kMaxCandidateTextUnits)));
    entry.explanation = pinyin ? std::u16string_view() : view.WordExplanation();
    entry.codes.clear();
    if (pinyin) {
      entry.codes.resize(view.SyllableCodes({}, lexicon_.SentenceSyllables()));
      view.SyllableCodes(entry.codes, lexicon_.SentenceSyllables());
    }
  }
  out.reading.clear();
  out.separators = 0;
  if (pinyin && !page.empty()) out.separators = lexicon_.FormatReading(out.entries[0].codes, readingLetters, out.reading);
}

void ModuleLexicon::LearnCandidate(const Candidate& candidate) {
  userDictionary_.LearnCandidate(candidate, lexicon_.SentenceText(), lexicon_.SentenceSyllables());
}

void ModuleLexicon::LearnPhrase(std::u16string_view text, std::span<const uint16_t> codes) {
  userDictionary_.LearnPhrase(text, codes, 1);
}

void ModuleLexicon::LearnWord(std::u16string_view word) { userDictionary_.LearnWord(word); }

}  // namespace kellavor::lexicon
