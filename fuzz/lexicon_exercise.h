// The module's dictionaries (ModuleLexicon) on files of the scratch folder, with every file the
// caller does not give taken from the fixture dictionaries, and a round of the searches, page
// descriptions, learning and saving that typing makes of them.
#pragma once

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "fuzz/fuzz_folder.h"
#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/module_lexicon.h"
#include "ime/settings/ime_settings.h"

namespace kellavor::fuzz {

inline lexicon::ModuleFiles FixtureFiles() {
  const std::u16string fixtures = FixtureFolder();
  lexicon::ModuleFiles files;
  files.charPath = fixtures + u"data_si.bin";
  files.phrasePath = fixtures + u"data_ph.bin";
  files.wordPath = fixtures + u"data_de.bin";
  files.modelPath = fixtures + u"data_lm.bin";
  files.userPath = ScratchPath(u"data_us.bin");
  files.customPath = ScratchPath(u"custom.ini");
  files.fuzzyPath = ScratchPath(u"mohuyin.Ini");
  return files;
}

inline settings::ImeSettings LexiconSettings() {
  settings::ImeSettings settings;
  settings.usefuzzy = 1;
  settings.usecustom = 1;
  settings.usefrequency = 1;
  settings.smartsentence = 1;
  settings.characterset = 15;
  return settings;
}

inline std::unique_ptr<lexicon::ModuleLexicon> OpenLexicon(const lexicon::ModuleFiles& files,
                                                           const settings::ImeSettings& settings) {
  lexicon::SystemMappingNames names{UniqueName(u"Si"), UniqueName(u"Ph"), UniqueName(u"De"), UniqueName(u"Lm")};
  lexicon::UserDictionaryOptions user;
  user.blockName = UniqueName(u"Us");
  user.mutexName = UniqueName(u"UsLock");
  return std::make_unique<lexicon::ModuleLexicon>(files, settings, names, user);
}

// Describes the first page of a list, as publication does, and learns its first candidate as a
// selection does: a pinyin candidate as it is, a German one by its text.
inline void DescribeAndLearn(lexicon::ModuleLexicon& lexicon, base::GrowArray& list, lexicon::SearchLanguage language,
                             std::u16string_view key) {
  const auto* candidates = static_cast<const lexicon::Candidate*>(list.data());
  const std::span<const lexicon::Candidate> page(candidates, static_cast<size_t>(std::min(list.count(), 9)));
  lexicon::PageDescription description;
  lexicon.DescribePage(page, language, key, description);
  if (page.empty()) return;
  if (language == lexicon::SearchLanguage::kPinyin) {
    lexicon.LearnCandidate(page.front());
  } else {
    lexicon.LearnWord(description.entries.front().text);
  }
}

inline void ExerciseLexicon(lexicon::ModuleLexicon& lexicon) {
  for (std::u16string_view key : {u"zhongguo", u"nihao", u"a", u"zh", u"xian", u"changcheng", u"lvse", u"women",
                                   u"zhongguorenmin", u"fanganquan"}) {
    for (uint16_t characterSet : {uint16_t{2}, uint16_t{15}}) {
      base::GrowArray list(sizeof(lexicon::Candidate), 16);
      lexicon.SearchPinyin(key, list, characterSet, true);
      DescribeAndLearn(lexicon, list, lexicon::SearchLanguage::kPinyin, key);
    }
  }
  for (std::u16string_view key : {u"haus", u"madchen", u"strasse", u"a", u"ab", u"mfg", u"date"}) {
    base::GrowArray list(sizeof(lexicon::Candidate), 16);
    lexicon.SearchGerman(key, list);
    lexicon.SearchCustomPhrases(key, list);
    DescribeAndLearn(lexicon, list, lexicon::SearchLanguage::kGerman, key);
  }
  lexicon.LearnWord(u"Hausaufgabe");
  lexicon.userDictionary().SaveUserDictionary();
}

}  // namespace kellavor::fuzz
