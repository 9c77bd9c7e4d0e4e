// The writer program as the module meets it: started, found by its window's class and title, and
// handed each kind of request; malformed ones are answered FALSE and change nothing. The user's
// config.ini and data_us.bin of the prefix are put back afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "ext_writer/win32/writer_window.h"
#include "ime/lexicon/candidate.h"
#include "ime/module/module_paths.h"
#include "ime/module/win32/application_data_folder.h"
#include "ime/settings/ext_write_request.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::ext_writer {
namespace {

namespace fs = std::filesystem;

fs::path UserFolder() { return fs::path(module::UserFolderIn(module::ApplicationDataFolder()).value()); }

LRESULT Send(uintptr_t kind, const std::vector<uint8_t>& data) {
  COPYDATASTRUCT block{kind, static_cast<DWORD>(data.size()), const_cast<uint8_t*>(data.data())};
  HWND writer = FindWindowW(kWriterClass, kWriterTitle);
  return SendMessageW(writer, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&block));
}

std::vector<uint8_t> CandidateRequest(uint16_t kind, const uint8_t* record, size_t size) {
  uint8_t raw[settings::kCandidateBytes] = {};
  std::memcpy(raw, &kind, 2);
  return settings::BuildLearnCandidateRequest(std::span<const uint8_t, settings::kCandidateBytes>(raw), {record, size});
}

// A phrase record as the phrase dictionary stores it: length, flags, frequency, text, zero unit,
// syllable count, syllables.
std::vector<uint8_t> PhraseRecordBytes(std::u16string_view text, std::vector<uint16_t> syllables) {
  std::vector<uint8_t> bytes(lexicon::PhraseRecord::MinimumLength(text.size(), syllables.size()));
  const auto put16 = [&](size_t at, uint16_t value) { std::memcpy(&bytes[at], &value, 2); };
  put16(0, static_cast<uint16_t>(bytes.size()));
  const uint32_t flags = lexicon::PhraseRecord::Flags(static_cast<uint32_t>(text.size()), 15);
  std::memcpy(&bytes[2], &flags, 4);
  const uint32_t frequency = 700;
  std::memcpy(&bytes[6], &frequency, 4);
  for (size_t i = 0; i < text.size(); ++i) put16(10 + 2 * i, text[i]);
  put16(12 + 2 * text.size(), static_cast<uint16_t>(syllables.size()));
  for (size_t i = 0; i < syllables.size(); ++i) put16(14 + 2 * text.size() + 2 * i, syllables[i]);
  return bytes;
}

class WriterProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    const char* program = std::getenv("KELLAVOR_WRITER");
    ASSERT_NE(program, nullptr) << "KELLAVOR_WRITER is not set";
    fs::create_directories(UserFolder());
    for (const char* name : {"config.ini", "data_us.bin"}) {
      if (fs::exists(UserFolder() / name)) fs::copy_file(UserFolder() / name, Backup(name), fs::copy_options::overwrite_existing);
    }
    fs::remove(UserFolder() / "data_us.bin");  // the writer creates the block and starts it empty
    std::wstring line = L"\"" + fs::path(program).wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_));
    for (int i = 0; i < 200 && FindWindowW(kWriterClass, kWriterTitle) == nullptr; ++i) Sleep(50);
    ASSERT_NE(FindWindowW(kWriterClass, kWriterTitle), nullptr) << "the writer's window did not appear";
    dictionary_.OpenUserDictionary(folder_.Path(u"unused.bin"));
  }

  void TearDown() override {
    dictionary_.CloseUserDictionary();
    if (process_.hProcess != nullptr) {
      PostMessageW(FindWindowW(kWriterClass, kWriterTitle), WM_CLOSE, 0, 0);
      EXPECT_EQ(WaitForSingleObject(process_.hProcess, 10000), WAIT_OBJECT_0) << "WM_CLOSE ends the writer";
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
    for (const char* name : {"config.ini", "data_us.bin"}) {
      fs::remove(UserFolder() / name);
      if (fs::exists(Backup(name))) fs::rename(Backup(name), UserFolder() / name);
    }
  }

  fs::path Backup(const char* name) const { return folder_.Native() / (std::string(name) + ".kept"); }
  std::u16string Settings() const { return (UserFolder() / "config.ini").u16string(); }
  lexicon::UserBlockView View() const { return dictionary_.View(); }

  PROCESS_INFORMATION process_{};
  TestFolder folder_{"writer_program"};
  lexicon::SystemDictionaries dictionaries_;
  // The writer's block, seen from here: the default names, as the module uses them.
  lexicon::UserDictionary dictionary_{dictionaries_};
};

TEST_F(WriterProgramTest, EachKindIsPerformedAndTheFileSaved) {
  const lexicon::CharRecord character = lexicon::MakeCharRecord(0x4E2D, 5, 500);
  EXPECT_EQ(Send(1, CandidateRequest(lexicon::candidate_kind::kSi, character.bytes, 12)), TRUE);
  EXPECT_TRUE(FindLearned(View(), 0x4E2D));

  const std::vector<uint8_t> phrase = PhraseRecordBytes(u"中国", {7, 9});
  EXPECT_EQ(Send(1, CandidateRequest(lexicon::candidate_kind::kPh, phrase.data(), phrase.size())), TRUE);
  const lexicon::UserRecord learned = FindLearned(View(), u"中国");
  ASSERT_TRUE(learned);
  const std::vector<uint8_t> record(learned.bytes(), learned.bytes() + learned.length());
  EXPECT_EQ(Send(1, CandidateRequest(lexicon::candidate_kind::kUs, record.data(), record.size())), TRUE);
  EXPECT_EQ(FindLearned(View(), u"中国").useCount(), 2u);

  EXPECT_EQ(Send(2, settings::BuildLearnWordRequest(u"Haus")), TRUE);
  EXPECT_TRUE(FindLearned(View(), u"Haus", true));
  const std::vector<uint16_t> codes{3, 4};
  EXPECT_EQ(Send(3, settings::BuildLearnPhraseRequest(u"我是", codes)), TRUE);
  EXPECT_TRUE(FindLearned(View(), u"我是"));

  EXPECT_EQ(Send(4, settings::BuildWriteSettingRequest(u"APPSTATUS", u"debugmode", u"1", Settings())), TRUE);
  wchar_t value[8] = {};
  GetPrivateProfileStringW(L"APPSTATUS", L"debugmode", L"", value, 8, (UserFolder() / "config.ini").c_str());
  EXPECT_STREQ(value, L"1");

  fs::remove(UserFolder() / "data_us.bin");
  PostMessageW(FindWindowW(kWriterClass, kWriterTitle), WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process_.hProcess, 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(fs::exists(UserFolder() / "data_us.bin")) << "the learnings are saved when the writer ends";
}

TEST_F(WriterProgramTest, MalformedRequestsAreAnsweredFalse) {
  const fs::path elsewhere = folder_.Native() / "elsewhere.ini";
  std::vector<uint8_t> huge(1 << 20, 'a');
  huge[huge.size() - 2] = 0;
  huge[huge.size() - 1] = 0;
  std::vector<uint8_t> unterminated = settings::BuildLearnWordRequest(u"Haus");
  unterminated.resize(unterminated.size() - 2);
  const uint8_t shortCharacter[11] = {};

  EXPECT_EQ(Send(0, settings::BuildLearnWordRequest(u"Haus")), FALSE) << "kind 0";
  EXPECT_EQ(Send(9, settings::BuildLearnWordRequest(u"Haus")), FALSE) << "kind 9";
  EXPECT_EQ(Send(2, huge), FALSE) << "a block of 1 MiB";
  EXPECT_EQ(Send(2, unterminated), FALSE) << "a word without its zero unit";
  EXPECT_EQ(Send(1, CandidateRequest(lexicon::candidate_kind::kSi, shortCharacter, 11)), FALSE) << "11 record bytes";
  EXPECT_EQ(Send(3, settings::BuildLearnPhraseRequest(u"我是", std::vector<uint16_t>{3, 60000})), FALSE)
      << "a syllable the table does not know";
  EXPECT_EQ(Send(4, settings::BuildWriteSettingRequest(u"UI", u"iscomb", u"0", elsewhere.u16string())), FALSE)
      << "a file other than the user's config.ini";
  EXPECT_EQ(Send(4, settings::BuildWriteSettingRequest(u"UI", u"iscomb", u"0\r\n[X]", Settings())), FALSE)
      << "a value with a line break";
  EXPECT_EQ(View().RecordCount(), 0u);
  EXPECT_FALSE(fs::exists(elsewhere));
}

}  // namespace
}  // namespace kellavor::ext_writer
