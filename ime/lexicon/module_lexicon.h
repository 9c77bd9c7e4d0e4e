// The dictionaries of the module behind the engine's LexiconPort: the Lexicon with its system
// dictionaries, fuzzy pairs and pinyin search, the German search with the speller, the shared user
// dictionary that learns the selections, and the user's custom phrases. One per process, created and owned with
// the engine by whoever builds the module.
#pragma once

#include <string>

#include "ime/lexicon/lexicon_port.h"
#include "ime/lexicon/custom_phrases.h"
#include "ime/lexicon/german_near_keys.h"
#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/speller.h"
#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/user_dictionary.h"
#include "ime/settings/ime_settings.h"

namespace kellavor::lexicon {

// The files the dictionaries are read from.
struct ModuleFiles {
  std::u16string charPath;    // data_si.bin of the installation folder
  std::u16string phrasePath;  // data_ph.bin
  std::u16string wordPath;    // data_de.bin
  std::u16string userPath;    // data_us.bin of the user folder
  std::u16string customPath;  // custom.ini
  std::u16string fuzzyPath;   // mohuyin.Ini
  std::u16string modelPath{};  // data_lm.bin of the installation folder
  std::u16string checkRecordPath{};  // checked_files.bin of the user folder
};

class ModuleLexicon final : public lexicon::LexiconPort {
 public:
  // Maps the system dictionaries, loads the fuzzy pairs (usefuzzy), opens the user dictionary,
  // sets the speller up and loads the custom phrases (usecustom). settings must outlive this
  // object. names and userOptions name the shared memory (tests and tools give their own).
  ModuleLexicon(const ModuleFiles& files, const settings::ImeSettings& settings, SystemMappingNames names = {},
                UserDictionaryOptions userOptions = {}, UserDictionary::MemoryAlarm memoryAlarm = {});
  // Saves the user dictionary.
  ~ModuleLexicon() override;
  ModuleLexicon(const ModuleLexicon&) = delete;
  ModuleLexicon& operator=(const ModuleLexicon&) = delete;

  Lexicon& lexicon() { return lexicon_; }
  UserDictionary& userDictionary() { return userDictionary_; }
  CustomPhrases& customPhrases() { return customPhrases_; }
  Speller& speller() { return speller_; }
  const ModuleFiles& files() const { return files_; }

  // What a settings reload changes here: the fuzzy pairs and the custom phrases read again.
  void ReloadSettings();

  int32_t SearchPinyin(std::u16string_view key, base::GrowArray& candidates, uint16_t characterSet,
                       bool useFrequency) override;
  int32_t SearchGerman(std::u16string_view key, base::GrowArray& candidates) override;
  int32_t SearchCustomPhrases(std::u16string_view key, base::GrowArray& candidates) override;
  void DescribePage(std::span<const Candidate> page, SearchLanguage language, std::u16string_view readingLetters,
                    PageDescription& out) override;
  void LearnCandidate(const Candidate& candidate) override;
  void LearnPhrase(std::u16string_view text, std::span<const uint16_t> codes) override;
  void LearnWord(std::u16string_view word) override;

 private:
  ModuleFiles files_;
  const settings::ImeSettings& settings_;
  Lexicon lexicon_;
  UserDictionary userDictionary_;
  Speller speller_;
  NearKeys nearKeys_;  // the German corrections of the last input, extended when a letter is appended
  CustomPhrases customPhrases_;
};

}  // namespace kellavor::lexicon
