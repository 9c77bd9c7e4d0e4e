// dictbuild: writes the system dictionaries and the module's data resources, and checks them.
//   dictbuild fixture SRC_DIR OUT_DIR [--template FILE]
//   dictbuild open-data --pinyin F --unihan F --german F [--german-extra F] --cedict F [--corpus DIRS]
//                       [--usage-texts F] [--gloss-corrections F] [--template FILE] OUT_DIR
//   dictbuild check DIR
//   dictbuild top DIR [COUNT]     the most frequent German words with rank, frequency and glosses
//   dictbuild same-searches DIR STREAM...   the pinyin search with and without kept answers gives
//                                 the same candidates for every prefix of every word of the streams
//   dictbuild same-german DIR STREAM...     the same for the German search and its corrections
// Exit status: 0 done, 1 violations found or the build failed, 2 wrong command line.
#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "tools/dictbuild/dictionary_check.h"
#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/system_dictionaries.h"
#include "tools/dictbuild/dictionary_writer.h"
#include "tools/dictbuild/fixture_source.h"
#include "tools/dictbuild/german_probes.h"
#include "tools/dictbuild/german_search_identity.h"
#include "tools/dictbuild/key_streams.h"
#include "tools/dictbuild/search_identity.h"
#include "tools/dictbuild/open_data/open_data_sources.h"

namespace kellavor::dictbuild {
namespace {

constexpr int kUsageError = 2;

int Usage() {
  std::cerr << "usage:\n"
               "  dictbuild fixture SRC_DIR OUT_DIR [--template FILE]\n"
               "  dictbuild open-data --pinyin F --unihan F --german F [--german-extra F] --cedict F"
               " [--corpus DIR[:DIR...]] [--usage-texts F] [--gloss-corrections F] [--template FILE] OUT_DIR\n"
               "  dictbuild check DIR\n"
               "  dictbuild top DIR [COUNT]\n"
               "  dictbuild same-searches DIR STREAM...\n"
               "  dictbuild same-german DIR STREAM...\n";
  return kUsageError;
}

// "--name value" options and the remaining arguments, in order. False on an option without value
// or one that is not allowed.
bool ParseArguments(const std::vector<std::string>& arguments, const std::vector<std::string>& allowed,
                    std::map<std::string, std::string>& options, std::vector<std::string>& positional) {
  for (size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    if (argument.rfind("--", 0) != 0) {
      positional.push_back(argument);
      continue;
    }
    const std::string name = argument.substr(2);
    if (k + 1 == arguments.size() || std::find(allowed.begin(), allowed.end(), name) == allowed.end()) return false;
    options[name] = arguments[++k];
  }
  return true;
}

void Write(const DictionarySource& source, const std::filesystem::path& folder, const std::string& detailTemplate) {
  const auto started = std::chrono::steady_clock::now();
  const DictionaryImages images = BuildDictionaryImages(source, std::cout);
  WriteDictionaryFolder(images, folder, detailTemplate, std::cout);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::cout << "written to " << folder.string() << " in " << took.count() << " s\n";
}

int Fixture(const std::vector<std::string>& arguments) {
  std::map<std::string, std::string> options;
  std::vector<std::string> positional;
  if (!ParseArguments(arguments, {"template"}, options, positional) || positional.size() != 2) return Usage();
  Write(ReadFixtureSource(positional[0]), positional[1], options["template"]);
  return 0;
}

int OpenData(const std::vector<std::string>& arguments) {
  std::map<std::string, std::string> options;
  std::vector<std::string> positional;
  if (!ParseArguments(arguments, {"pinyin", "unihan", "german", "german-extra", "cedict", "corpus", "usage-texts",
                                    "gloss-corrections", "template"}, options, positional) ||
      positional.size() != 1 || options["pinyin"].empty() || options["unihan"].empty() || options["german"].empty() ||
      options["cedict"].empty()) {
    return Usage();
  }
  OpenDataPaths paths;
  paths.pinyinDictionary = options["pinyin"];
  paths.unihan = options["unihan"];
  paths.germanEnglish = options["german"];
  paths.germanEnglishExtra = options["german-extra"];
  paths.chineseEnglish = options["cedict"];
  for (size_t start = 0; start < options["corpus"].size();) {
    const size_t end = std::min(options["corpus"].find(':', start), options["corpus"].size());
    if (end > start) paths.corpusFolders.push_back(options["corpus"].substr(start, end - start));
    start = end + 1;
  }
  paths.usageTexts = options["usage-texts"];
  paths.glossCorrections = options["gloss-corrections"];
  const auto started = std::chrono::steady_clock::now();
  const DictionarySource source = LoadOpenDataSources(paths, std::cout);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::cout << "sources read in " << took.count() << " s\n";
  Write(source, positional[0], options["template"]);
  return 0;
}

int Check(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) return Usage();
  const size_t violations = CheckDictionaryFolder(arguments[0], std::cout);
  if (violations == 0) {
    std::cout << arguments[0] << ": no violations\n";
    return 0;
  }
  std::cout << arguments[0] << ": " << violations << " violations\n";
  return 1;
}

int Top(const std::vector<std::string>& arguments) {
  constexpr size_t kDefaultCount = 300;
  if (arguments.empty() || arguments.size() > 2) return Usage();
  size_t count = kDefaultCount;
  if (arguments.size() == 2) {
    const std::string& text = arguments[1];
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return Usage();
    }
    count = std::stoul(text);
  }
  const std::filesystem::path folder(arguments[0]);
  lexicon::SystemDictionaries dictionaries;
  dictionaries.MapSystemFiles(u"", u"", (folder / std::u16string(lexicon::kWordFileName)).u16string());
  if (!dictionaries.IsPresent(lexicon::SystemFile::kWords)) {
    std::cerr << "dictbuild: no readable German dictionary in " << folder.string() << "\n";
    return 1;
  }
  PrintMostFrequentWords(dictionaries, count, std::cout);
  return 0;
}

int SameSearches(const std::vector<std::string>& arguments) {
  constexpr uint8_t kCharacterSet = 2;
  if (arguments.size() < 2) return Usage();
  const std::vector<std::u16string> words = ReadKeyStreams({arguments.begin() + 1, arguments.end()});
  int status = 0;
  for (const bool fuzzy : {false, true}) {
    const SearchIdentityReport report = CompareSearchPaths(arguments[0], words, fuzzy, kCharacterSet);
    std::cout << (fuzzy ? "with" : "without") << " fuzzy pairs: " << report.searches << " searches, "
              << report.candidates << " candidates compared, " << report.different << " searches differ\n";
    for (const std::string& line : report.differences) std::cout << "  " << line << "\n";
    if (report.different > 0 || report.searches == 0) status = 1;
  }
  return status;
}

int SameGermanSearches(const std::vector<std::string>& arguments) {
  if (arguments.size() < 2) return Usage();
  const GermanIdentityReport report =
      CompareGermanSearchPaths(arguments[0], ReadKeyStreams({arguments.begin() + 1, arguments.end()}));
  std::cout << report.searches << " searches, " << report.corrections << " corrections and " << report.candidates
            << " candidates compared, " << report.different << " searches differ\n";
  for (const std::string& line : report.differences) std::cout << "  " << line << "\n";
  return report.different > 0 || report.searches == 0 ? 1 : 0;
}

int Run(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return Usage();
  const std::string& command = arguments[0];
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  if (command == "fixture") return Fixture(rest);
  if (command == "open-data") return OpenData(rest);
  if (command == "check") return Check(rest);
  if (command == "top") return Top(rest);
  if (command == "same-searches") return SameSearches(rest);
  if (command == "same-german") return SameGermanSearches(rest);
  return Usage();
}

}  // namespace
}  // namespace kellavor::dictbuild

int main(int argc, char** argv) {
  try {
    return kellavor::dictbuild::Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "dictbuild: " << error.what() << "\n";
    return 1;
  }
}
