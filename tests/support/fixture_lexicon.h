// A Lexicon on the fixture dictionaries, texts of its candidate lists for comparisons, and a user
// block built by hand in the layout the user dictionary writes (records and both indexes, in the
// order given), for the searches of learned entries.
#pragma once

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/user_block.h"
#include "tests/support/fixture_dictionaries.h"
#include "tests/support/test_folder.h"

namespace kellavor {

// Each Lexicon maps under names of its own, so that no view of another test is shared.
inline std::unique_ptr<lexicon::Lexicon> FixtureLexicon(const std::u16string& name, const std::string& fuzzyPairs = "",
                                                       bool withPhrases = true) {
  UseFixtureResources();
  auto result = std::make_unique<lexicon::Lexicon>(
      lexicon::SystemMappingNames{u"KellavorTest_Si_" + name, u"KellavorTest_Ph_" + name, u"KellavorTest_De_" + name});
  const TestFolder folder("FixtureLexicon_" + std::string(name.begin(), name.end()));
  {
    std::ofstream file(folder.Native() / "mohuyin.Ini");
    file << "[Fuzzy]\n" << fuzzyPairs;
  }
  result->Initialise({FixtureDictionaryPath(u"data_si.bin"),
                      withPhrases ? FixtureDictionaryPath(u"data_ph.bin") : FixtureDictionaryPath(u"missing.bin"),
                      FixtureDictionaryPath(u"data_de.bin"), folder.Path(u"mohuyin.Ini")},
                     !fuzzyPairs.empty());
  return result;
}

// "text text ..." of a candidate list; learned entries marked U:, the sentence St:.
inline std::u16string CandidateTexts(const base::GrowArray& list) {
  std::u16string texts;
  for (const lexicon::Candidate& candidate : lexicon::Records<lexicon::Candidate>(list)) {
    if (!texts.empty()) texts += u' ';
    if (candidate.kind == lexicon::candidate_kind::kUs) texts += u"U:";
    if (candidate.kind == lexicon::candidate_kind::kSt) texts += u"St:";
    char16_t scratch[2];
    texts += lexicon::CandidateTextView(candidate, scratch);
  }
  return texts;
}

inline base::GrowArray EmptyCandidateList() { return base::GrowArray(sizeof(lexicon::Candidate), 10000); }

class HandMadeUserBlock {
 public:
  HandMadeUserBlock() : bytes_(Room()) {
    using namespace lexicon::user_block;
    Put32(kDictionaryOffsetField, kBlockHeaderSize);
    Put32(kOffsetTableField, kIndex2At + kIndexRoom + kRecordRoom);
    PutDictionary32(kFormatField, 1);
    PutDictionary32(kIndex1OffsetField, kHeaderSize);
    PutDictionary32(kIndex2OffsetField, kIndex2At);
    PutDictionary32(kRecordAreaOffsetField, kIndex2At + kIndexRoom);
  }

  // A single character: its CharRecord flags (class in bits 1 to 4) and its reading.
  void AddChar(char16_t character, uint16_t syllable, uint32_t useCount, uint8_t charClass = 15) {
    std::vector<uint8_t> body(6);
    const uint32_t value = character;
    std::memcpy(&body[0], &value, 4);
    std::memcpy(&body[4], &syllable, 2);
    Add(lexicon::user_flags::kSingleChar | static_cast<uint32_t>(charClass & 0xF) << 1, useCount, 0, body);
  }

  void AddPhrase(std::u16string_view text, const std::vector<uint16_t>& syllables, uint32_t useCount, bool composed,
                 uint8_t charClass = 15) {
    std::vector<uint8_t> body;
    AppendText(body, text);
    AppendU16(body, static_cast<uint16_t>(syllables.size()));
    for (const uint16_t syllable : syllables) AppendU16(body, syllable);
    uint32_t flags = static_cast<uint32_t>(text.size()) << 4 | static_cast<uint32_t>(charClass & 0xF) << 12;
    if (composed) flags |= lexicon::user_flags::kComposed;
    Add(flags, useCount, 1000, body);
  }

  void AddGermanWord(std::u16string_view word) {
    std::vector<uint8_t> body;
    AppendText(body, word);
    AppendText(body, u"");
    AppendText(body, word);
    Add(lexicon::user_flags::kGermanWord | static_cast<uint32_t>(word.size()) << 4, 1, 0, body);
  }

  lexicon::UserBlockView View() const { return {bytes_.data(), bytes_.size()}; }
  uint8_t* Dictionary() { return bytes_.data() + lexicon::user_block::kBlockHeaderSize; }
  // Record `number` in order of addition, for tests that damage it.
  uint8_t* Record(uint32_t number) {
    return Dictionary() + lexicon::LoadU32(Dictionary() + Block32(lexicon::user_block::kOffsetTableField) + 4 * number);
  }

 private:
  static constexpr uint32_t kIndex2At = lexicon::user_block::kHeaderSize + lexicon::user_block::kIndexRoom;

  static size_t Room() {
    using namespace lexicon::user_block;
    return kBlockHeaderSize + kIndex2At + kIndexRoom + kRecordRoom + kOffsetTableRoom;
  }

  static void AppendU16(std::vector<uint8_t>& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
  }
  static void AppendText(std::vector<uint8_t>& bytes, std::u16string_view text) {
    for (const char16_t unit : text) AppendU16(bytes, unit);
    AppendU16(bytes, 0);
  }

  // Appends the record and its number at the end of both indexes: records are added in index order.
  void Add(uint32_t flags, uint32_t useCount, uint32_t baseFrequency, const std::vector<uint8_t>& body) {
    using namespace lexicon::user_block;
    std::vector<uint8_t> record(kRecordHeaderSize);
    const auto length = static_cast<uint16_t>(kRecordHeaderSize + body.size());
    std::memcpy(&record[0], &length, 2);
    std::memcpy(&record[2], &flags, 4);
    std::memcpy(&record[6], &useCount, 4);
    std::memcpy(&record[10], &baseFrequency, 4);
    record.insert(record.end(), body.begin(), body.end());

    const uint32_t count = Dictionary32(kCountField);
    const uint32_t offset = Dictionary32(kRecordAreaOffsetField) + Dictionary32(kRecordAreaSizeField);
    std::memcpy(Dictionary() + offset, record.data(), record.size());
    PutDictionary32(Block32(kOffsetTableField) + 4 * count, offset);
    PutDictionary32(kHeaderSize + 4 * count, count);
    PutDictionary32(kIndex2At + 4 * count, count);
    PutDictionary32(kCountField, count + 1);
    PutDictionary32(kIndex1SizeField, 4 * (count + 1));
    PutDictionary32(kIndex2SizeField, 4 * (count + 1));
    PutDictionary32(kRecordAreaSizeField, Dictionary32(kRecordAreaSizeField) + static_cast<uint32_t>(record.size()));
  }

  void Put32(size_t at, uint32_t value) { std::memcpy(&bytes_[at], &value, 4); }
  uint32_t Block32(size_t at) const { return lexicon::LoadU32(&bytes_[at]); }
  void PutDictionary32(size_t field, uint32_t value) { Put32(lexicon::user_block::kBlockHeaderSize + field, value); }
  uint32_t Dictionary32(size_t field) const { return Block32(lexicon::user_block::kBlockHeaderSize + field); }

  std::vector<uint8_t> bytes_;
};

}  // namespace kellavor
