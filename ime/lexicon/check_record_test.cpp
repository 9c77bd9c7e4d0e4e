// The record of checked dictionary files: a German file that passed its full check is entered, a
// later mapping of a file the record vouches for skips the index check, and a file written since,
// another file put in its place or a damaged record bring the full check back. Reads of a vouched
// file stay inside it.
#include "ime/lexicon/check_record.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ime/lexicon/system_dictionaries.h"
#include "tests/support/fixture_dictionaries.h"
#include "tests/support/test_folder.h"

namespace kellavor::lexicon {
namespace {

using Bytes = std::vector<uint8_t>;

class CheckRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseFixtureResources();
    words_ = platform::ReadWholeFile(FixtureDictionaryPath(u"data_de.bin"), 1u << 20).value_or(Bytes{});
    ASSERT_FALSE(words_.empty());
  }

  // A new process's dictionaries on the German file: whether it is present, after every index
  // entry has been read as the searches read them.
  bool Present() {
    SystemDictionaries dictionaries;
    dictionaries.MapSystemFiles(u"", u"", Path(u"de.bin"), Path(u"checked_files.bin"));
    const IndexView index = dictionaries.WordKeyIndex();
    for (uint32_t k = 0; k < index.size(); ++k) {
      if (const WordRecord record = dictionaries.WordRecordAt(index[k])) lastKey_ = record.key();
    }
    badEntryReadsNothing_ = index.size() > kBadEntry && !dictionaries.WordRecordAt(index[kBadEntry]);
    return dictionaries.IsPresent(SystemFile::kWords);
  }

  std::u16string Path(const std::u16string& name) const { return folder_.Path(name); }
  platform::FileStamp StampOf(const std::u16string& name) const {
    return platform::StampOf(Path(name)).value_or(platform::FileStamp{});
  }
  std::filesystem::path Native(const char* name) const { return folder_.Native() / name; }

  // Overwrites bytes of a file in place: same file, same size, a new write time.
  void Patch(const char* name, size_t offset, const Bytes& bytes) const {
    std::fstream file(Native(name), std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  static constexpr uint32_t kBadEntry = 3;
  TestFolder folder_{"check_record"};
  Bytes words_;
  std::u16string lastKey_;
  bool badEntryReadsNothing_ = false;
};

TEST_F(CheckRecordTest, OnlyAnUnchangedFileThatPassedIsVouchedForAndReadsStayInside) {
  ASSERT_TRUE(platform::WriteWholeFile(Path(u"de.bin"), words_.data(), words_.size()));
  ASSERT_TRUE(Present()) << "the first mapping checks in full";
  const std::optional<Bytes> record = platform::ReadWholeFile(Path(u"checked_files.bin"), 4096);
  ASSERT_TRUE(record.has_value()) << "a file that passed is entered";
  const CheckedFile entered{static_cast<uint32_t>(SystemFile::kWords), StampOf(u"de.bin"), HeaderHash(words_)};
  EXPECT_EQ(DecodeCheckRecord(*record), std::vector<CheckedFile>{entered});

  // An index entry pointed past the end, written in place: a new write time, checked in full.
  const uint32_t index = HeaderWord(words_.data(), header_word::kWordKeyIndex);
  const auto past = static_cast<uint32_t>(words_.size() + 2);
  Patch("de.bin", index + 4 * kBadEntry, Bytes{static_cast<uint8_t>(past), static_cast<uint8_t>(past >> 8), 0, 0});
  // File times can be coarser than this test is quick: the write is moved on to a later second.
  std::filesystem::last_write_time(Native("de.bin"),
                                   std::filesystem::last_write_time(Native("de.bin")) + std::chrono::seconds(2));
  EXPECT_FALSE(Present()) << "a file written since the record is checked in full";

  // The damaged file as the record would vouch for it had it passed (or been damaged on the disk
  // without a write): the index check is skipped, and the entry still reads as no record.
  AddToCheckRecord(Path(u"checked_files.bin"),
                   {static_cast<uint32_t>(SystemFile::kWords), StampOf(u"de.bin"), HeaderHash(words_)});
  EXPECT_TRUE(Present()) << "vouched for: the index check is skipped";
  EXPECT_TRUE(badEntryReadsNothing_);
  EXPECT_FALSE(lastKey_.empty());

  // The record damaged: ignored, the file checked in full and refused; intact again, it vouches.
  const std::optional<Bytes> vouching = platform::ReadWholeFile(Path(u"checked_files.bin"), 4096);
  ASSERT_TRUE(vouching.has_value());
  Bytes damaged = *vouching;
  damaged[10] ^= 0x40;
  ASSERT_TRUE(platform::WriteWholeFile(Path(u"checked_files.bin"), damaged.data(), damaged.size()));
  EXPECT_FALSE(Present());
  ASSERT_TRUE(platform::WriteWholeFile(Path(u"checked_files.bin"), vouching->data(), vouching->size()));
  EXPECT_TRUE(Present());

  // Another file with the same bytes renamed into its place, as the writer replaces files.
  const std::optional<Bytes> same = platform::ReadWholeFile(Path(u"de.bin"), 1u << 20);
  ASSERT_TRUE(same.has_value());
  ASSERT_TRUE(platform::WriteWholeFile(Path(u"de.new"), same->data(), same->size()));
  ASSERT_TRUE(platform::ReplaceFileWith(Path(u"de.new"), Path(u"de.bin")));
  EXPECT_FALSE(Present()) << "a replaced file is checked in full";
}

TEST(CheckRecordBytes, EveryCutOrChangedByteMakesTheRecordEmpty) {
  const std::vector<CheckedFile> files = {{2, {22685204, 133, 7, 99}, 0xABCD}, {1, {1332816, 134, 7, 100}, 0x1234}};
  const Bytes bytes = EncodeCheckRecord(files);
  EXPECT_EQ(DecodeCheckRecord(bytes), files);
  for (size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_TRUE(DecodeCheckRecord(std::span(bytes).first(size)).empty()) << size;
  }
  for (size_t i = 0; i < bytes.size(); ++i) {
    Bytes changed = bytes;
    changed[i] ^= 0x01;
    EXPECT_TRUE(DecodeCheckRecord(changed).empty()) << i;
  }
}

}  // namespace
}  // namespace kellavor::lexicon
