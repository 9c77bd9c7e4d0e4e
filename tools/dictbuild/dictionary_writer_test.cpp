#include "tools/dictbuild/dictionary_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>

#include "ime/lexicon/char_record.h"
#include "ime/lexicon/dictionary_format.h"
#include "ime/platform/file_system.h"
#include "tests/support/test_folder.h"
#include "tools/dictbuild/dictionary_check.h"
#include "tools/dictbuild/file_builders.h"
#include "tools/dictbuild/fixture_source.h"

namespace kellavor::dictbuild {
namespace {

DictionarySource FixtureSource() {
  const char* folder = std::getenv("KELLAVOR_FIXTURE_SOURCES");
  EXPECT_NE(folder, nullptr) << "KELLAVOR_FIXTURE_SOURCES must name tests/fixtures/dictionary";
  return folder != nullptr ? ReadFixtureSource(folder) : DictionarySource{};
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  return platform::ReadWholeFile(path.u16string(), 1u << 24).value_or(std::vector<uint8_t>{});
}

bool SameImages(const DictionaryImages& a, const DictionaryImages& b) {
  return a.chars == b.chars && a.phrases == b.phrases && a.words == b.words && a.syllableTable == b.syllableTable &&
         a.conversionTable == b.conversionTable;
}

TEST(DictionaryWriter, SameEntriesGiveSameBytesInAnyOrder) {
  const DictionarySource source = FixtureSource();
  std::ostringstream log;
  const DictionaryImages first = BuildDictionaryImages(source, log);
  EXPECT_TRUE(SameImages(first, BuildDictionaryImages(source, log)));

  DictionarySource shuffled = source;
  std::mt19937 random(7);
  std::shuffle(shuffled.chars.begin(), shuffled.chars.end(), random);
  std::shuffle(shuffled.phrases.begin(), shuffled.phrases.end(), random);
  std::shuffle(shuffled.words.begin(), shuffled.words.end(), random);
  std::shuffle(shuffled.traditional.begin(), shuffled.traditional.end(), random);
  EXPECT_TRUE(SameImages(first, BuildDictionaryImages(shuffled, log)));

  TestFolder a("writer_a");
  TestFolder b("writer_b");
  WriteDictionaryFolder(first, a.Native(), {}, log);
  WriteDictionaryFolder(BuildDictionaryImages(source, log), b.Native(), {}, log);
  for (const char* name : {"data_si.bin", "data_ph.bin", "data_de.bin", "Pylist-163.bin", "Gbtobig5-161.bin"}) {
    EXPECT_FALSE(FileBytes(a.Native() / name).empty()) << name;
    EXPECT_EQ(FileBytes(a.Native() / name), FileBytes(b.Native() / name)) << name;
  }
  WriteDictionaryFolder(first, a.Native(), {}, log);
  EXPECT_EQ(FileBytes(a.Native() / "data_si.bin"), first.chars) << "writing over an existing folder";
  std::ostringstream report;
  EXPECT_EQ(CheckDictionaryFolder(a.Native(), report), 0u) << report.str();
}

TEST(DictionaryWriter, LeavesOutWhatCannotBeStoredAndSaysHowMuch) {
  DictionarySource source;
  source.chars = {{U'中', "zhong", 70000, 15}, {U'中', "zhong", 10, 15}, {U'行', "xing", 5, 4}, {U'行', "hang", 6, 8},
                  {U'错', "cuoo", 1, 15}, {U'大', "da", 1, 16}, {0xD800, "a", 1, 1}, {U'〇', "", 1, 8}};
  source.phrases = {{u"中国", {"zhong", "guo"}, 5, 15},
                    {u"中国", {"zhong", "guo"}, 9, 15},
                    {u"中", {"zhong"}, 1, 15},
                    {u"中国", {"zhong", "guo", "ren"}, 1, 15},
                    {u"中国", {"zhong", "gwo"}, 1, 15},
                    {std::u16string(128, u'中'), std::vector<std::string>(128, "zhong"), 1, 15}};
  source.words = {{u"Haus", u"房子", 9}, {u"Haus", u"房屋", 900}, {std::u16string(128, u'a'), u"", 1}, {u"Tür", std::u16string(128, u'门'), 1}};
  source.traditional = {{u'国', u'國'}, {u'中', u'中'}, {u'后', u'後'}, {u'后', u'后'}, {u'发', u'發'}, {u'发', u'髮'}};
  std::ostringstream log;
  const DictionaryImages images = BuildDictionaryImages(source, log);
  const std::string text = log.str();
  EXPECT_NE(text.find("data_si.bin: 1 entries left out: syllable not in the table"), std::string::npos) << text;
  EXPECT_NE(text.find("data_si.bin: 1 entries left out: class wider than 4 bits"), std::string::npos);
  EXPECT_NE(text.find("data_si.bin: 1 entries left out: not a character"), std::string::npos);
  EXPECT_NE(text.find("data_ph.bin: 1 entries left out: text longer than 127 units"), std::string::npos);
  EXPECT_NE(text.find("data_ph.bin: 1 entries left out: fewer than two syllables"), std::string::npos);
  EXPECT_NE(text.find("data_ph.bin: 1 entries left out: not one syllable per character"), std::string::npos);
  EXPECT_NE(text.find("data_ph.bin: 1 entries left out: syllable not in the table"), std::string::npos);
  EXPECT_NE(text.find("data_de.bin: 1 entries left out: word longer than 127 units"), std::string::npos);
  EXPECT_NE(text.find("data_de.bin: 1 entries left out: hint longer than 127 units"), std::string::npos);
  EXPECT_NE(text.find("conversion table: 2 entries left out: maps a character to itself"), std::string::npos);
  EXPECT_NE(text.find("conversion table: 1 entries left out: more than one traditional form"), std::string::npos);

  ASSERT_EQ(lexicon::HeaderWord(images.chars.data(), lexicon::header_word::kEntryCount), 4u);
  const auto* records = reinterpret_cast<const lexicon::CharRecord*>(
      images.chars.data() + lexicon::HeaderWord(images.chars.data(), lexicon::header_word::kCharTable));
  EXPECT_EQ(records[0].character(), u'〇');
  EXPECT_EQ(records[0].syllable(), lexicon::kNoSyllable);
  EXPECT_EQ(records[1].character(), u'中');
  EXPECT_EQ(records[1].frequency(), 65535) << "merged readings keep the larger frequency, saturated to 16 bits";
  EXPECT_EQ(records[2].charClass(), 12) << "both readings of a character carry the OR of their classes";
  EXPECT_EQ(records[3].charClass(), 12);
  EXPECT_EQ(lexicon::HeaderWord(images.phrases.data(), lexicon::header_word::kEntryCount), 1u);
  EXPECT_EQ(lexicon::HeaderWord(images.words.data(), lexicon::header_word::kEntryCount), 1u);
  EXPECT_EQ(images.conversionTable, (std::vector<uint8_t>{0x0E, 0x54, 0x8C, 0x5F, 0xFD, 0x56, 0x0B, 0x57}))
      << "后 keeps its one form besides itself; 发 with two forms is left out";

  TestFolder folder("writer_dropped");
  WriteDictionaryFolder(images, folder.Native(), {}, log);
  std::ostringstream report;
  EXPECT_EQ(CheckDictionaryFolder(folder.Native(), report), 0u) << report.str();
}

TEST(DictionaryWriter, EmptySourceGivesEmptyDictionariesTheModuleAccepts) {
  std::ostringstream log;
  TestFolder folder("writer_empty");
  WriteDictionaryFolder(BuildDictionaryImages({}, log), folder.Native(), {}, log);
  EXPECT_EQ(FileBytes(folder.Native() / "data_si.bin").size(), 4u * kHeaderWords);
  std::ostringstream report;
  EXPECT_EQ(CheckDictionaryFolder(folder.Native(), report), 0u) << report.str();
}

}  // namespace
}  // namespace kellavor::dictbuild
