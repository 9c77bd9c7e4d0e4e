// Several processes learn the same entries into one shared block at the same time. The test program
// runs itself again as the children; a child finds its orders in one environment variable.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ime/lexicon/user_dictionary.h"
#include "ime/lexicon/user_file.h"
#include "ime/platform/file_system.h"
#include "ime/platform/utf.h"
#include "tests/support/child_process.h"
#include "tests/support/test_folder.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::lexicon {
namespace {

using namespace learn_result;

constexpr char kChildOrders[] = "KELLAVOR_USER_DICTIONARY_CHILD";
constexpr char kChildFilter[] = "--gtest_filter=UserDictionaryProcesses.ChildLearnsItsShare";
constexpr int kProcesses = 4;
constexpr int kRounds = 4;
constexpr int kEntries = 80;  // 30 characters, 30 sentences, 20 German words
constexpr int kSteps[kProcesses] = {1, 3, 7, 9};  // each walks the entries in its own order

const char16_t* const kWords[20] = {u"Haus", u"Maus", u"Mann", u"Hund", u"Apfel", u"heute", u"Café", u"Straße",
                                    u"Mädchen", u"Öl", u"Quatsch", u"Blödsinn", u"Zeug", u"quer", u"Krimskrams",
                                    u"Schnickschnack", u"Tüte", u"Kram", u"Wumms", u"Zack"};

std::u16string SentenceText(int entry) {
  return {static_cast<char16_t>(0x4E00 + entry), static_cast<char16_t>(0x5000 + entry), u'们'};
}

std::vector<uint16_t> SentenceCodes(int entry) {
  return {static_cast<uint16_t>(entry), static_cast<uint16_t>(entry + 1), static_cast<uint16_t>(entry % 7)};
}

int Learn(UserDictionary& dictionary, int entry) {
  if (entry < 30) {
    const CharRecord record = MakeCharRecord(0x4E00 + static_cast<uint32_t>(entry), static_cast<uint16_t>(entry % 11), 1);
    return dictionary.LearnCandidate(MakeCandidate(candidate_kind::kSi, 1, 2, &record), {}, {});
  }
  if (entry < 60) return dictionary.LearnPhrase(SentenceText(entry), SentenceCodes(entry), 1);
  return dictionary.LearnWord(kWords[entry - 60]);
}

UserRecord FindEntry(const UserBlockView& view, int entry) {
  if (entry < 30) return FindLearned(view, 0x4E00 + static_cast<uint32_t>(entry));
  if (entry < 60) return FindLearned(view, SentenceText(entry));
  return FindLearned(view, kWords[entry - 60], true);
}

// Orders: block name, mutex name, folder and child number, separated by '|'.
std::vector<std::string> SplitOrders(const std::string& orders) {
  std::vector<std::string> parts;
  std::istringstream stream(orders);
  for (std::string part; std::getline(stream, part, '|');) parts.push_back(part);
  return parts;
}

bool WaitForFile(const std::u16string& path) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!platform::FileExists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

std::u16string ReadyFile(const std::u16string& folder, int child) {
  return folder + u"ready" + platform::AsciiToUtf16(std::to_string(child));
}

TEST(UserDictionaryProcesses, ChildLearnsItsShare) {
  const char* orders = std::getenv(kChildOrders);
  if (orders == nullptr) GTEST_SKIP() << "the child part of EveryEntryEndsUpOnceWithTheUsesOfAllProcesses";
  const std::vector<std::string> parts = SplitOrders(orders);
  ASSERT_EQ(parts.size(), 4u);
  UserDictionaryOptions names;
  names.blockName = platform::Utf8ToUtf16(parts[0]);
  names.mutexName = platform::Utf8ToUtf16(parts[1]);
  const std::u16string folder = platform::Utf8ToUtf16(parts[2]);
  const int child = std::stoi(parts[3]);

  const std::unique_ptr<SystemDictionaries> dictionaries = MapFixtureDictionaries();
  UserDictionary dictionary(*dictionaries, names);
  dictionary.OpenUserDictionary(folder + std::u16string(kUserFileName));
  ASSERT_TRUE(dictionary.isShared());
  ASSERT_FALSE(dictionary.readOnly());
  ASSERT_TRUE(platform::WriteWholeFile(ReadyFile(folder, child), "", 0));
  ASSERT_TRUE(WaitForFile(folder + u"go"));

  for (int round = 0; round < kRounds; ++round) {
    for (int i = 0; i < kEntries; ++i) {
      const int result = Learn(dictionary, (i * kSteps[child] + 17 * child) % kEntries);
      ASSERT_TRUE(result == kLearned || result == kAlreadyPresent) << result;
    }
  }
  dictionary.SaveUserDictionary();
  dictionary.CloseUserDictionary();
}

TEST(UserDictionaryProcesses, EveryEntryEndsUpOnceWithTheUsesOfAllProcesses) {
  if (std::getenv(kChildOrders) != nullptr) GTEST_SKIP() << "a child runs only its own part";
  ASSERT_FALSE(FixtureDictionaryFolder().empty()) << "KELLAVOR_FIXTURE_DICTIONARIES is not set";
  const TestFolder folder("UserDictionaryProcesses");
  const UserDictionaryOptions names = UniqueUserNames("processes");
  const std::u16string path = folder.Path(std::u16string(kUserFileName));
  const std::unique_ptr<SystemDictionaries> dictionaries = MapFixtureDictionaries();
  UserDictionary dictionary(*dictionaries, names);
  dictionary.OpenUserDictionary(path);  // holds the block while the children come and go

  std::vector<std::unique_ptr<ChildProcess>> children;
  for (int child = 0; child < kProcesses; ++child) {
    const std::string orders = platform::Utf16ToUtf8(names.blockName) + "|" + platform::Utf16ToUtf8(names.mutexName) + "|" +
                               platform::Utf16ToUtf8(folder.Folder()) + "|" + std::to_string(child);
    children.push_back(std::make_unique<ChildProcess>(std::vector<std::string>{kChildFilter}, kChildOrders, orders));
    ASSERT_TRUE(children.back()->started());
  }
  for (int child = 0; child < kProcesses; ++child) ASSERT_TRUE(WaitForFile(ReadyFile(folder.Folder(), child)));
  ASSERT_TRUE(platform::WriteWholeFile(folder.Path(u"go"), "", 0));  // all start learning at once
  for (const auto& child : children) EXPECT_EQ(child->Wait(), 0);

  const UserBlockView view = dictionary.View();
  ASSERT_EQ(view.RecordCount(), static_cast<uint32_t>(kEntries));
  EXPECT_TRUE(IndexesAreSorted(view, dictionaries->Syllables()));
  for (int entry = 0; entry < kEntries; ++entry) {
    const UserRecord record = FindEntry(view, entry);
    ASSERT_TRUE(record) << entry;
    EXPECT_EQ(record.useCount(), static_cast<uint32_t>(kProcesses * kRounds)) << entry;
  }

  // The last child saved after every learning: the file is the block.
  const platform::SharedBlock block = platform::SharedBlock::Open(names.blockName, 1, platform::SharedBlockAccess::kReadOnly);
  const std::vector<uint8_t> saved = platform::ReadWholeFile(path, user_block::kMaxFileSize).value_or(std::vector<uint8_t>{});
  EXPECT_EQ(UserFileImage(block.data(), block.size()), saved);
  EXPECT_FALSE(IsDirty(block.data()));
  EXPECT_FALSE(dictionary.SaveUserDictionary());

  const UserDictionaryOptions otherNames = UniqueUserNames("processes_reload");
  UserDictionary reloaded(*dictionaries, otherNames);
  reloaded.OpenUserDictionary(path);
  ASSERT_EQ(reloaded.loadFault(), "");
  ASSERT_EQ(reloaded.View().RecordCount(), static_cast<uint32_t>(kEntries));
  EXPECT_EQ(FindEntry(reloaded.View(), 65).useCount(), static_cast<uint32_t>(kProcesses * kRounds));
  const platform::SharedBlock reloadedBlock = platform::SharedBlock::Open(otherNames.blockName, 1, platform::SharedBlockAccess::kReadOnly);
  std::vector<uint8_t> image = UserFileImage(reloadedBlock.data(), reloadedBlock.size()).value_or(std::vector<uint8_t>{});
  ASSERT_EQ(image.size(), saved.size());
  std::copy_n(saved.begin() + user_block::kIndexRoomField, 8, image.begin() + user_block::kIndexRoomField);
  EXPECT_EQ(image, saved) << "the reload holds what was saved";
}

}  // namespace
}  // namespace kellavor::lexicon
