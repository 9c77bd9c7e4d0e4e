#include "tools/dictbuild/dictionary_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <sstream>

#include "ime/lexicon/dictionary_format.h"
#include "ime/platform/file_system.h"
#include "tests/support/test_folder.h"
#include "tools/dictbuild/dictionary_writer.h"
#include "tools/dictbuild/fixture_source.h"

namespace kellavor::dictbuild {
namespace {

using Bytes = std::vector<uint8_t>;
namespace word = lexicon::header_word;

uint32_t Word(const Bytes& file, uint32_t k) { return lexicon::HeaderWord(file.data(), k); }
void SetWord(Bytes& file, size_t offset, uint32_t value) { std::memcpy(file.data() + offset, &value, 4); }
void SwapWords(Bytes& file, size_t a, size_t b) { std::swap_ranges(file.begin() + a, file.begin() + a + 4, file.begin() + b); }

class DictionaryCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* sources = std::getenv("KELLAVOR_FIXTURE_SOURCES");
    ASSERT_NE(sources, nullptr) << "KELLAVOR_FIXTURE_SOURCES must name tests/fixtures/dictionary";
    std::ostringstream log;
    images_ = BuildDictionaryImages(ReadFixtureSource(sources), log);
  }

  // Writes the fixture dictionaries into a folder of their own, with one file changed, and checks
  // the folder. The report is kept in report_.
  size_t CheckWith(const std::string& name, const std::string& file, const std::function<void(Bytes&)>& change) {
    TestFolder folder("check_" + name);
    std::ostringstream log;
    WriteDictionaryFolder(images_, folder.Native(), {}, log);
    if (!file.empty()) {
      const std::u16string path = (folder.Native() / file).u16string();
      Bytes bytes = platform::ReadWholeFile(path, 1u << 24).value();
      change(bytes);
      EXPECT_TRUE(platform::WriteWholeFile(path, bytes.data(), bytes.size()));
    }
    std::ostringstream report;
    const size_t violations = CheckDictionaryFolder(folder.Native(), report);
    report_ = report.str();
    return violations;
  }

  bool Reported(const std::string& text) const { return report_.find(text) != std::string::npos; }

  DictionaryImages images_;
  std::string report_;
};

TEST_F(DictionaryCheck, WrittenDictionariesPass) {
  EXPECT_EQ(CheckWith("good", "", nullptr), 0u) << report_;
  EXPECT_EQ(report_, "");
}

TEST_F(DictionaryCheck, ChecksAnySubsetButNotAnEmptyFolder) {
  EXPECT_EQ(CheckWith("subset", "data_si.bin", [](Bytes&) {}), 0u);
  TestFolder folder("check_only_words");
  std::ostringstream log;
  WriteDictionaryFolder(images_, folder.Native(), {}, log);
  platform::RemoveFile((folder.Native() / "data_si.bin").u16string());
  platform::RemoveFile((folder.Native() / "data_ph.bin").u16string());
  std::ostringstream report;
  EXPECT_EQ(CheckDictionaryFolder(folder.Native(), report), 0u) << report.str();

  TestFolder empty("check_empty");
  std::ostringstream emptyReport;
  EXPECT_EQ(CheckDictionaryFolder(empty.Native(), emptyReport), 2u);
  EXPECT_NE(emptyReport.str().find("no dictionary in the folder"), std::string::npos);
  EXPECT_NE(emptyReport.str().find("Pylist-163.bin: missing"), std::string::npos);
}

TEST_F(DictionaryCheck, ReportsFilesTheReadersReject) {
  EXPECT_EQ(CheckWith("truncated", "data_ph.bin", [](Bytes& b) { b.resize(b.size() / 2); }), 1u);
  EXPECT_TRUE(Reported("data_ph.bin: the module's readers reject the file")) << report_;
  EXPECT_EQ(CheckWith("offset", "data_si.bin", [](Bytes& b) { SetWord(b, 4 * word::kCharTable, 1u << 30); }), 1u);
  EXPECT_TRUE(Reported("record table")) << report_;
  EXPECT_EQ(CheckWith("walk", "data_ph.bin", [](Bytes& b) { SetWord(b, 4 * word::kEntryCount, Word(b, word::kEntryCount) - 1); }), 1u);
  EXPECT_TRUE(Reported("more than the 17 records of the header")) << report_;
}

TEST_F(DictionaryCheck, ReportsIndexesOutOfOrder) {
  // The first and last entries of each index lie furthest apart in its order.
  EXPECT_GT(CheckWith("char_index", "data_si.bin", [](Bytes& b) {
              const uint32_t index = Word(b, word::kCharIndex);
              SwapWords(b, index, index + 4 * (Word(b, word::kEntryCount) - 1));
            }), 0u);
  EXPECT_TRUE(Reported("the index is not ordered by the first letter of the reading")) << report_;
  EXPECT_GT(CheckWith("initials", "data_ph.bin", [](Bytes& b) {
              const uint32_t index = Word(b, word::kPhraseInitialsIndex);
              SwapWords(b, index, index + 4 * (Word(b, word::kEntryCount) - 1));
            }), 0u);
  EXPECT_TRUE(Reported("the initials index is not ordered")) << report_;
  EXPECT_GT(CheckWith("keys", "data_de.bin", [](Bytes& b) {
              const uint32_t index = Word(b, word::kWordKeyIndex);
              SwapWords(b, index, index + 4 * (Word(b, word::kEntryCount) - 1));
            }), 0u);
  EXPECT_TRUE(Reported("the key index is not ascending by key")) << report_;
  EXPECT_GT(CheckWith("twice", "data_si.bin", [](Bytes& b) {
              const uint32_t index = Word(b, word::kCharIndex);
              std::memcpy(b.data() + index + 4, b.data() + index, 4);
            }), 0u);
  EXPECT_TRUE(Reported("the index names a record twice")) << report_;
  EXPECT_TRUE(Reported("the index leaves out records (1 of them)")) << report_;
}

TEST_F(DictionaryCheck, ReportsRecordsAndHeadersOutOfRule) {
  EXPECT_GT(CheckWith("table", "data_si.bin", [](Bytes& b) {
              const uint32_t table = Word(b, word::kCharTable);
              std::swap_ranges(b.begin() + table, b.begin() + table + 12, b.begin() + table + 12 * 20);
            }), 0u);
  EXPECT_TRUE(Reported("the record table is not sorted by character")) << report_;
  EXPECT_EQ(CheckWith("header", "data_si.bin", [](Bytes& b) { SetWord(b, 4 * 5, 1); }), 1u);
  EXPECT_TRUE(Reported("a header word that is not read is not zero (word 5)")) << report_;
  EXPECT_EQ(CheckWith("key", "data_de.bin", [](Bytes& b) { b[256 + 10] = 'B'; }), 1u);  // Apfel becomes Bpfel
  EXPECT_TRUE(Reported("the key is not the folded word")) << report_;
  EXPECT_EQ(CheckWith("syllables", "Pylist-163.bin", [](Bytes& b) { b[0] = 'o'; }), 1u);
  EXPECT_TRUE(Reported("not the shipped syllable table")) << report_;
  EXPECT_EQ(CheckWith("conversion", "Gbtobig5-161.bin", [](Bytes& b) { b[2] = b[0], b[3] = b[1]; }), 1u);
  EXPECT_TRUE(Reported("a record maps a character to itself")) << report_;
}

}  // namespace
}  // namespace kellavor::dictbuild
