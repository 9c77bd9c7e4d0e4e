#include "ime/lexicon/speller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ime/platform/file_system.h"
#include "tests/support/test_folder.h"

namespace kellavor::lexicon {
namespace {

using kellavor::TestFolder;
namespace fs = std::filesystem;

bool Contains(const std::vector<std::u16string>& words, const std::u16string& word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

// An install folder (optionally a subfolder of the test's folder): the character dictionary's
// path (the file itself is not needed) and its spell folder, empty.
struct InstallFolder {
  explicit InstallFolder(const std::string& name, const std::u16string& subfolder = u"")
      : root(name), base(root.Native() / fs::path(subfolder)) {
    fs::create_directories(Spell());
  }
  fs::path Spell() const { return base / "spell"; }
  std::u16string CharDictionary() const { return (base / "data_si.bin").u16string(); }
  void Write(const std::string& file, const std::string& bytes) const {
    const std::u16string path = (Spell() / file).u16string();
    ASSERT_TRUE(platform::WriteWholeFile(path, bytes.data(), bytes.size()));
  }
  TestFolder root;
  fs::path base;
};

// The shipped German files that CTest writes for the tests; absent when the test runs by hand.
const char* ShippedSpellFiles() { return std::getenv("KELLAVOR_SPELL_FILES"); }

void CopyShippedFiles(const InstallFolder& folder, const std::string& affix = "de_DE.aff",
                      const std::string& dictionary = "de_DE.dic") {
  const fs::path from(ShippedSpellFiles());
  fs::copy_file(from / "de_DE.aff", folder.Spell() / affix, fs::copy_options::overwrite_existing);
  fs::copy_file(from / "de_DE.dic", folder.Spell() / dictionary, fs::copy_options::overwrite_existing);
}

#define REQUIRE_SHIPPED_FILES() \
  if (ShippedSpellFiles() == nullptr) GTEST_SKIP() << "KELLAVOR_SPELL_FILES is not set"

TEST(Speller, WithoutItsFilesSuggestsNothing) {
  Speller never;
  EXPECT_TRUE(never.SuggestWords(u"Standart").empty()) << "never created";

  Speller noSeparator;
  noSeparator.CreateSpeller(u"data_si.bin");
  EXPECT_TRUE(noSeparator.SuggestWords(u"Standart").empty());

  TestFolder bare("speller_no_spell_folder");
  Speller noFolder;
  noFolder.CreateSpeller(bare.Path(u"data_si.bin"));
  EXPECT_TRUE(noFolder.SuggestWords(u"Standart").empty());

  InstallFolder onlyAffix("speller_only_affix");
  onlyAffix.Write("de_DE.aff", "SET UTF-8\n");
  Speller noDictionary;
  noDictionary.CreateSpeller(onlyAffix.CharDictionary());
  EXPECT_TRUE(noDictionary.SuggestWords(u"Standart").empty());

  InstallFolder onlyDictionary("speller_only_dictionary");
  onlyDictionary.Write("de_DE.dic", "1\nStandard\n");
  Speller noAffix;
  noAffix.CreateSpeller(onlyDictionary.CharDictionary());
  EXPECT_TRUE(noAffix.SuggestWords(u"Standart").empty());
}

TEST(Speller, FilesTheSpellerCannotReadGiveNoSuggestions) {
  InstallFolder folder("speller_garbage");
  folder.Write("x.aff", std::string("\xFF\xFE\0PFX Y Y 99999999\nSFX\n\n\x80", 26));
  folder.Write("x.dic", "-5\n\xC3\n/\n//\n");
  Speller speller;
  speller.CreateSpeller(folder.CharDictionary());
  EXPECT_TRUE(speller.SuggestWords(u"Standart").empty());
}

// A two-word dictionary in ISO 8859-1: the umlaut and ß must cross in that encoding.
TEST(Speller, ConvertsToAndFromALatin1Dictionary) {
  InstallFolder folder("speller_latin1");
  folder.Write("mini.aff", "SET ISO8859-1\nTRY esianrtolcdugmphbfkwzy\xE4\xF6\xFC\xDF\n");
  folder.Write("mini.dic", "2\nM\xE4" "dchen\nStra\xDF" "e\n");
  Speller speller;
  speller.CreateSpeller(folder.CharDictionary());
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Mädchn"), u"Mädchen"));
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Strase"), u"Straße"));
}

TEST(Speller, SuggestsGermanCorrections) {
  REQUIRE_SHIPPED_FILES();
  InstallFolder folder("speller_german");
  CopyShippedFiles(folder);
  Speller speller;
  speller.CreateSpeller(folder.CharDictionary());
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Standart"), u"Standard"));
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Zusamenarbeit"), u"Zusammenarbeit"));
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Seperat"), u"Separat"));
  // Typed without capitals: corrected to nouns and to lower-case words, all capitalised.
  EXPECT_TRUE(Contains(speller.SuggestWords(u"zusamenarbeit"), u"Zusammenarbeit"));
  EXPECT_TRUE(Contains(speller.SuggestWords(u"wiederspiegeln"), u"Widerspiegeln"));
  EXPECT_FALSE(Contains(speller.SuggestWords(u"wiederspiegeln"), u"widerspiegeln"));
  // Umlauts and ß both ways.
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Mädchn"), u"Mädchen"));
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Fussball"), u"Fußball"));
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Flüßigkeit"), u"Flüssigkeit"));
  EXPECT_EQ(speller.SuggestWords(u"Standart"), speller.SuggestWords(u"Standart")) << "a kept answer is the same";
}

TEST(Speller, UsesTheFirstAffixAndDictionaryFilesWhateverTheirNames) {
  REQUIRE_SHIPPED_FILES();
  InstallFolder folder("speller_unpaired");
  CopyShippedFiles(folder, "rules.aff", "words.dic");
  Speller speller;
  speller.CreateSpeller(folder.CharDictionary());
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Standart"), u"Standard"));
}

TEST(Speller, OpensFilesInAFolderWithNonAsciiName) {
  REQUIRE_SHIPPED_FILES();
  InstallFolder folder("speller_non_ascii", u"Wörterbücher 词典");
  CopyShippedFiles(folder);
  Speller speller;
  speller.CreateSpeller(folder.CharDictionary());
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Standart"), u"Standard"));
}

// CreateSpeller only remembers the folder; the first request reads it, and that answer stands
// for the life of the speller.
TEST(Speller, ReadsItsFilesOnTheFirstRequestOnly) {
  REQUIRE_SHIPPED_FILES();
  InstallFolder late("speller_late_files");
  Speller lazy;
  lazy.CreateSpeller(late.CharDictionary());
  CopyShippedFiles(late);
  EXPECT_TRUE(Contains(lazy.SuggestWords(u"Standart"), u"Standard")) << "files added after CreateSpeller";

  InstallFolder early("speller_early_request");
  Speller missed;
  missed.CreateSpeller(early.CharDictionary());
  EXPECT_TRUE(missed.SuggestWords(u"Standart").empty());
  CopyShippedFiles(early);
  EXPECT_TRUE(missed.SuggestWords(u"Seperat").empty()) << "never reloaded";

  lazy.DeleteSpeller();
  EXPECT_TRUE(lazy.SuggestWords(u"Standart").empty()) << "a deleted speller keeps no answers";
  lazy.CreateSpeller(late.CharDictionary());
  EXPECT_TRUE(Contains(lazy.SuggestWords(u"Standart"), u"Standard"));
}

TEST(Speller, TakesAnyInput) {
  REQUIRE_SHIPPED_FILES();
  InstallFolder folder("speller_any_input");
  CopyShippedFiles(folder);
  Speller speller;
  speller.CreateSpeller(folder.CharDictionary());
  EXPECT_TRUE(speller.SuggestWords(u"").empty());
  EXPECT_TRUE(speller.SuggestWords(u"<?xml?><query type=\"add\"><word>Quatsch</word></query>").empty())
      << "not a request to the speller's XML interface";
  speller.SuggestWords(std::u16string(1000, u'a'));
  speller.SuggestWords(std::u16string(u"Stand\xD800" u"art\xDFFF"));
  speller.SuggestWords(u"汉字Straße😀");
  speller.SuggestWords(std::u16string(u"St\0andart", 9));
  EXPECT_TRUE(Contains(speller.SuggestWords(u"Standart"), u"Standard")) << "still working";
}

}  // namespace
}  // namespace kellavor::lexicon
