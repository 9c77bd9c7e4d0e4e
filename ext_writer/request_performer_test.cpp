// The external writer's side of the requests: each kind learned into the shared user dictionary or
// written into config.ini, and every malformed block refused before anything changes.
#include "ext_writer/request_performer.h"
#include "ext_writer/write_request.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ime/lexicon/candidate.h"
#include "ime/platform/file_system.h"
#include "ime/platform/private_profile.h"
#include "ime/settings/ext_write_request.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::ext_writer {
namespace {

using lexicon::candidate_kind::kPh;
using lexicon::candidate_kind::kSi;
using lexicon::candidate_kind::kUs;
using settings::BuildLearnCandidateRequest;
using settings::BuildLearnPhraseRequest;
using settings::BuildLearnWordRequest;
using settings::BuildWriteSettingRequest;

std::vector<uint8_t> CandidateRequest(uint16_t kind, const uint8_t* record, size_t size) {
  uint8_t raw[settings::kCandidateBytes] = {};
  std::memcpy(raw, &kind, 2);
  return BuildLearnCandidateRequest(std::span<const uint8_t, settings::kCandidateBytes>(raw), {record, size});
}

std::u16string ReadValue(const std::u16string& section, const std::u16string& key, const std::u16string& path) {
  char16_t buffer[64] = {};
  platform::ReadProfileValue(section, key, u"", buffer, 64, path);
  return buffer;
}

class RequestPerformerTest : public lexicon::UserDictionaryTest {
 protected:
  void SetUp() override {
    UserDictionaryTest::SetUp();
    dictionary_.OpenUserDictionary(Path());
  }
  bool Perform(uintptr_t kind, const std::vector<uint8_t>& data) { return performer_.Perform(kind, data); }
  std::u16string Settings() const { return folder_.Path(u"config.ini"); }

  RequestPerformer performer_{dictionary_, *dictionaries_, folder_.Folder()};
};

TEST_F(RequestPerformerTest, EachKindIsCarriedOut) {
  const lexicon::CharRecord character = lexicon::MakeCharRecord(u'你', Syllable(u"ni"), 500);
  EXPECT_TRUE(Perform(1, CandidateRequest(kSi, character.bytes, sizeof character.bytes)));
  EXPECT_TRUE(FindLearned(View(), u'你'));

  const lexicon::PhraseRecord phrase = FixturePhrase(u"中国");
  ASSERT_TRUE(phrase);
  EXPECT_TRUE(Perform(1, CandidateRequest(kPh, phrase.bytes(), phrase.length())));
  const lexicon::UserRecord learned = FindLearned(View(), u"中国");
  ASSERT_TRUE(learned);
  EXPECT_EQ(learned.useCount(), 1u);

  // A learned entry chosen again: the record as the block holds it, its use count raised.
  EXPECT_TRUE(Perform(1, CandidateRequest(kUs, learned.bytes(), learned.length())));
  EXPECT_EQ(FindLearned(View(), u"中国").useCount(), 2u);

  EXPECT_TRUE(Perform(2, BuildLearnWordRequest(u"Haus")));
  EXPECT_TRUE(FindLearned(View(), u"Haus", true));

  const std::vector<uint16_t> codes{Syllable(u"wo"), Syllable(u"shi")};
  EXPECT_TRUE(Perform(3, BuildLearnPhraseRequest(u"我是", codes)));
  const lexicon::UserRecord composed = FindLearned(View(), u"我是");
  ASSERT_TRUE(composed);
  EXPECT_TRUE(composed.isComposed());
  EXPECT_TRUE(lexicon::IndexesAreSorted(View(), dictionaries_->Syllables()));
  EXPECT_TRUE(performer_.TakeLearned());
  EXPECT_FALSE(performer_.TakeLearned());

  EXPECT_TRUE(Perform(4, BuildWriteSettingRequest(u"UI", u"iscomb", u"0", Settings())));
  EXPECT_EQ(ReadValue(u"UI", u"iscomb", Settings()), u"0");
  EXPECT_FALSE(performer_.TakeLearned()) << "a settings write is no learning";
}

TEST_F(RequestPerformerTest, MalformedBlocksAreRefusedAndChangeNothing) {
  const lexicon::CharRecord character = lexicon::MakeCharRecord(u'你', Syllable(u"ni"), 500);
  std::vector<uint8_t> word = BuildLearnWordRequest(u"Haus");
  std::vector<uint8_t> unterminated = word;
  unterminated.resize(unterminated.size() - 2);
  std::vector<uint8_t> trailing = word;
  trailing.insert(trailing.end(), {'x', 0});
  std::vector<uint8_t> oversized(kMaxRequestBytes + 2, 'a');
  oversized[oversized.size() - 2] = 0;

  const lexicon::PhraseRecord phrase = FixturePhrase(u"中国");
  std::vector<uint8_t> phraseBytes(phrase.bytes(), phrase.bytes() + phrase.length());
  std::vector<uint8_t> longerThanSaid = CandidateRequest(kPh, phraseBytes.data(), phraseBytes.size());
  longerThanSaid.insert(longerThanSaid.end(), {0, 0});
  std::vector<uint8_t> noZeroAfterText = phraseBytes;
  noZeroAfterText[lexicon::PhraseRecord::kTextOffset + 4] = 'x';
  std::vector<uint8_t> oneSyllable = phraseBytes;
  oneSyllable[lexicon::PhraseRecord::kTextOffset + 6] = 1;
  const uint8_t shortUser[4] = {4, 0, 0, 0};

  const std::vector<uint16_t> codes{Syllable(u"wo"), Syllable(u"shi")};
  const std::vector<uint16_t> unknown{Syllable(u"ni"), 0xFFF0};
  std::vector<uint8_t> threeStrings = BuildWriteSettingRequest(u"UI", u"iscomb", u"0", Settings());
  threeStrings.resize(threeStrings.size() - 2 * (Settings().size() + 1));

  const struct {
    const char* what;
    uintptr_t kind;
    std::vector<uint8_t> data;
  } cases[] = {
      {"kind 0", 0, word},
      {"kind 5", 5, word},
      {"an odd size", 2, {'H', 0, 0}},
      {"an oversized block", 2, oversized},
      {"an empty block", 2, {}},
      {"an empty word", 2, {0, 0}},
      {"a word without its zero unit", 2, unterminated},
      {"bytes after the word", 2, trailing},
      {"a word of 128 units", 2, BuildLearnWordRequest(std::u16string(128, u'a'))},
      {"a character record of 11 bytes", 1, CandidateRequest(kSi, character.bytes, 11)},
      {"a candidate of another kind", 1, CandidateRequest(lexicon::candidate_kind::kSs, character.bytes, 12)},
      {"a phrase longer than its length field", 1, longerThanSaid},
      {"a phrase without a zero unit after its text", 1, CandidateRequest(kPh, noZeroAfterText.data(), noZeroAfterText.size())},
      {"a phrase of one syllable", 1, CandidateRequest(kPh, oneSyllable.data(), oneSyllable.size())},
      {"a user record shorter than its header", 1, CandidateRequest(kUs, shortUser, sizeof shortUser)},
      {"a composed phrase without syllables", 3, BuildLearnPhraseRequest(u"我是", {})},
      {"more syllables than characters", 3, BuildLearnPhraseRequest(u"你", codes)},
      {"a syllable the table does not know", 3, BuildLearnPhraseRequest(u"我是", unknown)},
      {"three strings of four", 4, threeStrings},
      {"a section with a bracket", 4, BuildWriteSettingRequest(u"UI]", u"iscomb", u"0", Settings())},
      {"a key with an equals sign", 4, BuildWriteSettingRequest(u"UI", u"is=comb", u"0", Settings())},
      {"a value with a line break", 4, BuildWriteSettingRequest(u"UI", u"iscomb", u"0\r\n[X]", Settings())},
      {"a section with half a surrogate pair", 4, BuildWriteSettingRequest(u"UI\xDFFA", u"iscomb", u"0", Settings())},
      {"a value with half a surrogate pair", 4, BuildWriteSettingRequest(u"UI", u"iscomb", u"0\xD83D", Settings())},
      {"another file", 4, BuildWriteSettingRequest(u"UI", u"iscomb", u"0", folder_.Path(u"custom.ini"))},
      {"a way out of the folder", 4, BuildWriteSettingRequest(u"UI", u"iscomb", u"0", folder_.Path(u"..\\config.ini"))},
  };
  for (const auto& refused : cases) EXPECT_FALSE(Perform(refused.kind, refused.data)) << refused.what;
  EXPECT_EQ(View().RecordCount(), 0u);
  EXPECT_FALSE(platform::FileSize(Settings()).has_value());
  EXPECT_FALSE(performer_.TakeLearned());
}

TEST_F(RequestPerformerTest, SettingsPathsCompareAsTheFileSystemDoes) {
  std::u16string shouted = Settings();
  for (char16_t& unit : shouted) {
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  }
#ifdef _WIN32
  EXPECT_TRUE(Perform(4, BuildWriteSettingRequest(u"UI", u"showmode", u"1", shouted)));
  EXPECT_EQ(ReadValue(u"UI", u"showmode", Settings()), u"1");
#endif
  EXPECT_FALSE(Perform(4, BuildWriteSettingRequest(u"UI", u"showmode", u"1", u"config.ini"))) << "a relative path";
}

}  // namespace
}  // namespace kellavor::ext_writer
