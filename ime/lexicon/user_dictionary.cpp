#include "ime/lexicon/user_dictionary.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "ime/base/sorted_search.h"
#include "ime/lexicon/candidate_view.h"
#include "ime/lexicon/german_word_lookup.h"
#include "ime/lexicon/phrase_record.h"
#include "ime/lexicon/user_file.h"
#include "ime/lexicon/user_index_order.h"
#include "ime/platform/file_system.h"
#include "ime/settings/debug_trace.h"
#include "ime/settings/ext_write_request.h"

namespace kellavor::lexicon {

using namespace learn_result;
using namespace user_block;

namespace {

// The bytes of one record, built field by field in the order they are stored.
class RecordBytes {
 public:
  RecordBytes(uint32_t flags, uint32_t baseFrequency) : bytes_(kRecordHeaderSize, 0) {
    StoreU32(&bytes_[2], flags);
    StoreU32(&bytes_[6], 1);  // used once
    StoreU32(&bytes_[10], baseFrequency);
  }
  void Put16(uint16_t value) {
    bytes_.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
  }
  void Put32(uint32_t value) {
    Put16(static_cast<uint16_t>(value & 0xFFFF));
    Put16(static_cast<uint16_t>(value >> 16));
  }
  void PutText(std::u16string_view text) {
    for (const char16_t unit : text) Put16(unit);
    Put16(0);
  }
  // The finished record, its length stored in front; empty when it is longer than a length can say.
  std::vector<uint8_t> Finish() {
    if (bytes_.size() > UINT16_MAX) return {};
    StoreU16(bytes_.data(), static_cast<uint16_t>(bytes_.size()));
    return std::move(bytes_);
  }

 private:
  std::vector<uint8_t> bytes_;
};

bool IsLearnableText(std::u16string_view text) { return !text.empty() && text.size() <= kMaxTextUnits; }

uint32_t TextLengthFlags(std::u16string_view text) { return static_cast<uint32_t>(text.size()) << 4; }

std::vector<uint16_t> PhraseSyllables(const PhraseRecord& phrase) {
  std::vector<uint16_t> codes(phrase.syllableCount());
  for (uint32_t i = 0; i < codes.size(); ++i) codes[i] = phrase.syllable(i);
  return codes;
}

struct IndexSearch {
  const UserBlockView& view;
  const SyllableTable& syllables;
};

int CompareInIndex1(const void* key, const void* entry, void* context) {
  const auto& search = *static_cast<const IndexSearch*>(context);
  return IndexOrder1(*static_cast<const UserRecord*>(key), search.view.RecordAt(LoadU32(static_cast<const uint8_t*>(entry))));
}

int CompareInIndex2(const void* key, const void* entry, void* context) {
  const auto& search = *static_cast<const IndexSearch*>(context);
  return IndexOrder2(*static_cast<const UserRecord*>(key), search.view.RecordAt(LoadU32(static_cast<const uint8_t*>(entry))),
                     search.syllables);
}

// Puts number at position of the index of count entries at `entries`, moving the later ones up.
void InsertIntoIndex(uint8_t* entries, uint32_t count, uint32_t position, uint32_t number) {
  uint8_t* at = entries + 4 * static_cast<size_t>(position);
  std::memmove(at + 4, at, 4 * static_cast<size_t>(count - position));
  StoreU32(at, number);
}

}  // namespace

UserDictionary::UserDictionary(const SystemDictionaries& dictionaries, UserDictionaryOptions options,
                               MemoryAlarm memoryAlarm)
    : dictionaries_(dictionaries),
      options_(std::move(options)),
      memoryAlarm_(std::move(memoryAlarm)),
      mutex_(options_.mutexName) {}

UserDictionary::~UserDictionary() { CloseUserDictionary(); }

void UserDictionary::OpenUserDictionary(const std::u16string& path) {
  const std::u16string remembered = path;
  CloseUserDictionary();
  path_ = remembered;
  loadFault_.clear();

  platform::NamedMutexLock lock(mutex_);
  FileState state = FileState::kAbsent;
  std::vector<uint8_t> file;
  if (const std::optional<uint64_t> size = platform::FileSize(path_)) {
    if (*size > kMaxFileSize) {
      state = FileState::kTooLarge;
    } else if (std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(path_, kMaxFileSize)) {
      state = FileState::kPresent;
      file = std::move(*bytes);
    }
  }
  CreateBlock(UserBlockSize(state == FileState::kPresent ? std::optional<size_t>(file.size()) : std::nullopt));
  if (block_ == nullptr) return;
  // The creator loads, and so does the first writer after a creator that died before it had laid
  // the dictionary out (the dictionary offset, stored last, is still missing).
  bool load = true;
  if (shared_.valid()) {
    load = shared_.origin() == platform::SharedBlockOrigin::kCreated ||
           (!readOnly_ && LoadU32(block_ + kDictionaryOffsetField) != kBlockHeaderSize);
  }
  if (load) LoadBlock(state, file);
}

void UserDictionary::CreateBlock(size_t size) {
  const auto access = options_.readOnly ? platform::SharedBlockAccess::kReadOnly : platform::SharedBlockAccess::kAsPermitted;
  shared_ = platform::SharedBlock::Open(options_.blockName, size, access);
  if (shared_.valid() && shared_.size() >= kBlockHeaderSize + kHeaderSize) {
    block_ = shared_.data();
    size_ = shared_.size();
    readOnly_ = shared_.readOnly();
    return;
  }
  // No block to share (no mapping, no view, or one too small to hold a dictionary): this process
  // keeps its own, so that learning goes on.
  shared_.Close();
  settings::DebugTrace("user dictionary: no shared block, learning into private memory");
  private_.reset(new (std::nothrow) uint8_t[size]());
  if (private_ == nullptr) return;
  block_ = private_.get();
  size_ = size;
}

void UserDictionary::LoadBlock(FileState state, const std::vector<uint8_t>& file) {
  if (state == FileState::kPresent) {
    loadFault_ = CheckUserFile(file, dictionaries_.Syllables());
    if (loadFault_.empty() && LoadUserFile(file, block_, size_)) return;
    // A block made by a creator that died, for a smaller file: the file is kept, not overwritten.
    if (loadFault_.empty()) loadFault_ = "the shared block is too small for the file";
  } else if (state == FileState::kTooLarge) {
    loadFault_ = "the file is larger than a user dictionary can be";
  }
  if (!loadFault_.empty()) {
    settings::DebugTrace("user dictionary: %s; kept as .bad, starting empty", loadFault_.c_str());
    platform::ReplaceFileWith(path_, path_ + u".bad");
  }
  LayOutEmptyDictionary(block_, size_);
  SetDirty(block_, false);
}

void UserDictionary::CloseUserDictionary() {
  shared_.Close();
  private_.reset();
  block_ = nullptr;
  size_ = 0;
  readOnly_ = false;
}

void UserDictionary::ReopenUserDictionary() {
  const std::u16string path = path_;
  OpenUserDictionary(path);
}

int UserDictionary::LearnCandidate(const Candidate& candidate, std::u16string_view sentenceText,
                                   std::span<const uint16_t> sentenceSyllables) {
  const CandidateView view(candidate);
  if (view.isSentence()) return LearnPhrase(sentenceText, sentenceSyllables, 1);
  if (!isOpen() || candidate.entry == nullptr) return kNotLearnedHere;
  if (readOnly_) {
    SendCandidate(candidate);
    return kNotLearnedHere;
  }
  if (const CharRecord* character = view.character()) return AddUserChar(*character);
  if (const PhraseRecord phrase = view.phrase()) {
    return AddUserPhrase(phrase.text(), phrase.frequency(), phrase.charClass(), false, PhraseSyllables(phrase));
  }
  if (view.isLearned()) {
    const UserRecord record = RecordInBlock(candidate.entry);
    return record ? BumpUserEntry(record) : kNotLearnedHere;
  }
  return kNotLearnedHere;
}

void UserDictionary::SendCandidate(const Candidate& candidate) {
  const CandidateView view(candidate);
  std::span<const uint8_t> record;
  if (const CharRecord* character = view.character()) {
    record = {character->bytes, sizeof(CharRecord)};
  } else if (const PhraseRecord phrase = view.phrase()) {
    record = {phrase.bytes(), phrase.length()};
  } else if (view.isLearned()) {
    if (const UserRecord learned = RecordInBlock(candidate.entry)) record = {learned.bytes(), learned.length()};
  }
  if (record.empty()) return;
  uint8_t raw[settings::kCandidateBytes];
  std::memcpy(raw, &candidate, sizeof raw);
  const std::vector<uint8_t> request = settings::BuildLearnCandidateRequest(std::span<const uint8_t, settings::kCandidateBytes>(raw), record);
  settings::SendExtWrite(settings::ExtWriteKind::kLearnCandidate, request.data(), request.size());
}

int UserDictionary::LearnPhrase(std::u16string_view text, std::span<const uint16_t> codes, int forward) {
  if (!isOpen()) return kNotLearnedHere;
  if (readOnly_) {
    if (forward != 0) {
      const std::vector<uint8_t> request = settings::BuildLearnPhraseRequest(text, codes);
      settings::SendExtWrite(settings::ExtWriteKind::kLearnPhrase, request.data(), request.size());
    }
    return kNotLearnedHere;
  }
  uint8_t charClass = 0;
  for (const char16_t unit : text) charClass = static_cast<uint8_t>(charClass | dictionaries_.CharClass(unit));
  return AddUserPhrase(text, 0, charClass, true, codes);
}

int UserDictionary::LearnWord(std::u16string_view word) {
  if (!isOpen()) return kNotLearnedHere;
  if (readOnly_) {
    const std::vector<uint8_t> request = settings::BuildLearnWordRequest(word);
    settings::SendExtWrite(settings::ExtWriteKind::kLearnWord, request.data(), request.size());
    return kNotLearnedHere;
  }
  return AddUserWord(word);
}

int UserDictionary::AddUserChar(const CharRecord& record) {
  RecordBytes bytes(user_flags::kSingleChar | record.flags(), record.frequency());
  bytes.Put32(record.character());
  bytes.Put16(record.syllable());
  return AddRecord(bytes.Finish());
}

int UserDictionary::AddUserPhrase(std::u16string_view text, uint32_t baseFrequency, uint8_t charClass, bool composed,
                                  std::span<const uint16_t> codes) {
  if (!IsLearnableText(text) || codes.size() > UINT16_MAX) return kNotLearnedHere;
  const uint32_t flags = TextLengthFlags(text) | (composed ? user_flags::kComposed : 0) | (charClass & 0xFu) << 12;
  RecordBytes bytes(flags, baseFrequency);
  bytes.PutText(text);
  bytes.Put16(static_cast<uint16_t>(codes.size()));
  for (const uint16_t code : codes) bytes.Put16(code);
  return AddRecord(bytes.Finish());
}

int UserDictionary::AddUserWord(std::u16string_view word) {
  if (!IsLearnableText(word)) return kNotLearnedHere;
  const WordRecord known = FindGermanWord(dictionaries_, word);
  const uint32_t flags = user_flags::kGermanWord | TextLengthFlags(word) | (known ? 0 : user_flags::kComposed);
  RecordBytes bytes(flags, known ? known.frequency() : 0);
  bytes.PutText(word);
  bytes.PutText(known ? known.hint() : std::u16string_view());
  bytes.PutText(known ? known.key() : std::u16string_view());
  return AddRecord(bytes.Finish());
}

int UserDictionary::AddRecord(const std::vector<uint8_t>& record) {
  if (record.empty()) return kNotLearnedHere;
  int result;
  {
    platform::NamedMutexLock lock(mutex_);
    result = AddRecordLocked(record);
  }
  if (result == kNoRoom && memoryAlarm_) memoryAlarm_();
  return result;
}

int UserDictionary::AddRecordLocked(const std::vector<uint8_t>& record) {
  if (!isOpen() || readOnly_) return kNotLearnedHere;
  const std::optional<UserLayout> layout = ReadUserLayout(block_, size_);
  if (!layout) return kNoRoom;  // a damaged block takes nothing until it is cleared
  const auto length = static_cast<uint16_t>(record.size());
  if (const UserRecord existing = FindEntry(*layout, UserRecord(record.data(), length))) {
    RaiseUseCount(existing);
    return kAlreadyPresent;
  }
  if (!HasRoom(length)) return kNoRoom;
  const uint32_t offset = layout->RecordAreaEnd();
  std::memcpy(DictionaryOf(block_) + offset, record.data(), length);
  return InsertUserRecord(offset, length);
}

bool UserDictionary::HasRoom(uint16_t length) const {
  const std::optional<UserLayout> layout = ReadUserLayout(block_, size_);
  return layout && layout->HasRoom(length);
}

int UserDictionary::InsertUserRecord(uint32_t offset, uint16_t length) {
  std::optional<UserLayout> layout = ReadUserLayout(block_, size_);
  if (!layout || !layout->HasRoom(length) || offset != layout->RecordAreaEnd()) return kNoRoom;
  uint8_t* dictionary = DictionaryOf(block_);
  const UserRecord record(dictionary + offset, length);
  const UserBlockView view = View();
  IndexSearch search{view, dictionaries_.Syllables()};
  const auto count = static_cast<int32_t>(layout->count);
  int32_t position1 = 0;
  if (base::LowerBound(dictionary + kHeaderSize, count, 4, CompareInIndex1, &record, &search, position1)) {
    return kAlreadyPresent;
  }
  int32_t position2 = 0;
  base::LowerBound(dictionary + layout->index2Offset, count, 4, CompareInIndex2, &record, &search, position2);

  // The record and its offset-table entry lie beyond what readers see; the indexes are then opened
  // up, and the header, stored last, makes the record visible.
  StoreU32(dictionary + layout->offsetTable + 4 * static_cast<size_t>(layout->count), offset);
  InsertIntoIndex(dictionary + kHeaderSize, layout->count, static_cast<uint32_t>(position1), layout->count);
  InsertIntoIndex(dictionary + layout->index2Offset, layout->count, static_cast<uint32_t>(position2), layout->count);
  layout->count += 1;
  layout->recordAreaSize += length;
  layout->indexRoom -= 4;
  layout->recordRoom -= length;
  StoreUserLayout(block_, *layout);
  SetDirty(block_, true);
  return kLearned;
}

UserRecord UserDictionary::FindEntry(const UserLayout& layout, const UserRecord& key) const {
  const UserBlockView view = View();
  IndexSearch search{view, dictionaries_.Syllables()};
  int32_t position = 0;
  if (!base::LowerBound(DictionaryOf(block_) + kHeaderSize, static_cast<int32_t>(layout.count), 4, CompareInIndex1, &key,
                        &search, position)) {
    return {};
  }
  return view.RecordAt(view.Index1(static_cast<uint32_t>(position)));
}

void UserDictionary::RaiseUseCount(const UserRecord& record) {
  // The record is one the view handed out: it lies in this block, which this process may write.
  uint8_t* useCount = const_cast<uint8_t*>(record.bytes()) + 6;
  const uint32_t uses = LoadU32(useCount);
  if (uses != UINT32_MAX) StoreU32(useCount, uses + 1);
  SetDirty(block_, true);
}

int UserDictionary::BumpUserEntry(const UserRecord& record) {
  if (!isOpen() || readOnly_ || !record) return kNotLearnedHere;
  platform::NamedMutexLock lock(mutex_);
  if (const std::optional<UserLayout> layout = ReadUserLayout(block_, size_)) {
    if (const UserRecord existing = FindEntry(*layout, record)) RaiseUseCount(existing);
  }
  return kLearned;
}

UserRecord UserDictionary::RecordInBlock(const void* entry) const {
  const std::optional<UserLayout> layout = ReadUserLayout(block_, size_);
  if (!layout) return {};
  const auto address = reinterpret_cast<uintptr_t>(entry);
  const auto area = reinterpret_cast<uintptr_t>(DictionaryOf(block_)) + layout->recordAreaOffset;
  if (address < area || address % 2 != 0) return {};
  const uint64_t offset = address - area;
  if (offset + kRecordHeaderSize > layout->recordAreaSize) return {};
  const auto* bytes = static_cast<const uint8_t*>(entry);
  const uint16_t length = LoadU16(bytes);
  if (length < kRecordHeaderSize || offset + length > layout->recordAreaSize) return {};
  const UserRecord record(bytes, length);
  if (record.isSingleChar() && length < kSingleCharRecordSize) return {};
  return record;
}

bool UserDictionary::SaveUserDictionary() {
  if (!isOpen() || readOnly_) return false;
  platform::NamedMutexLock lock(mutex_);
  if (!IsDirty(block_)) return false;
  const std::optional<std::vector<uint8_t>> image = UserFileImage(block_, size_);
  if (!image) return false;
  const std::u16string temporary = path_ + u".tmp";
  if (!platform::WriteWholeFile(temporary, image->data(), image->size()) || !platform::ReplaceFileWith(temporary, path_)) {
    platform::RemoveFile(temporary);
    return false;
  }
  SetDirty(block_, false);
  return true;
}

void UserDictionary::ClearUserDictionary() {
  if (!isOpen() || readOnly_) return;
  platform::NamedMutexLock lock(mutex_);
  if (std::optional<UserLayout> layout = ReadUserLayout(block_, size_)) {
    layout->indexRoom += layout->IndexSize();
    layout->recordRoom += layout->recordAreaSize;
    layout->count = 0;
    layout->recordAreaSize = 0;
    StoreUserLayout(block_, *layout);
  } else if (!LayOutEmptyDictionary(block_, size_)) {
    return;
  }
  SetDirty(block_, true);
}

}  // namespace kellavor::lexicon
