// The user dictionary: what the user selected, remembered so that the searches offer it again and
// rank it by use. It lives in one named block of shared memory that every process of the session
// sees, so a word learned in one application is offered at once in all others. The process that
// creates the block loads "data_us.bin" into it; any process writes the file back when it changed.
//
// Every change, every load and every save is made under a named mutex: the creator holds it while it
// loads, so no other process sees a half-loaded block, and two processes never learn into the block
// at the same moment. The searches read the block without the lock, through UserBlockView, which
// checks every field it reads; changes are made only to a block whose layout checks out.
//
// A process that may only read the block does not learn itself: it hands each learning to the
// external writer. When no block can be had at all, the dictionary lives in this process's own
// memory: learning and saving work, nothing is shared.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ime/lexicon/candidate.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/user_block.h"
#include "ime/lexicon/user_block_layout.h"
#include "ime/platform/named_mutex.h"
#include "ime/platform/shared_block.h"

namespace kellavor::lexicon {

inline constexpr std::u16string_view kUserFileName = u"data_us.bin";

// Results of learning.
namespace learn_result {
inline constexpr int kLearned = 0;
inline constexpr int kNoRoom = 8;
inline constexpr int kAlreadyPresent = 183;  // the entry existed; its use count was raised
inline constexpr int kNotLearnedHere = -1;   // handed to the external writer, or nothing to learn
}  // namespace learn_result

struct UserDictionaryOptions {
  std::u16string blockName = u"TessalIME_UserData";
  std::u16string mutexName = u"TessalIME_UserDataLock";
  // Open an existing block for reading only, as a process does that may not write it.
  bool readOnly = false;
};

class UserDictionary {
 public:
  // Called, outside the lock, when an entry finds no room. The Windows side draws
  // "ERROR_NOT_ENOUGH_MEMORY" onto the foreground window.
  using MemoryAlarm = std::function<void()>;

  // dictionaries give the syllable letters index 2 is ordered by, the classes of composed phrases
  // and the hints of German words; they must outlive this object.
  explicit UserDictionary(const SystemDictionaries& dictionaries, UserDictionaryOptions options = {},
                          MemoryAlarm memoryAlarm = {});
  ~UserDictionary();  // closes without saving: the owner saves first
  UserDictionary(const UserDictionary&) = delete;
  UserDictionary& operator=(const UserDictionary&) = delete;

  // Creates or opens the shared block; the creator loads the file at path. A file that fails its
  // checks is kept beside it as path + ".bad" and the dictionary starts empty. A dictionary that is
  // open already is closed first.
  void OpenUserDictionary(const std::u16string& path);

  // Learns what a pinyin selection consisted of: Si a character, Ph a dictionary phrase, Us raises
  // the use count of a learned entry, St the assembled sentence, whose text and syllable numbers
  // the caller passes (they are the Lexicon's sentence buffers). Other kinds: kNotLearnedHere.
  int LearnCandidate(const Candidate& candidate, std::u16string_view sentenceText,
                     std::span<const uint16_t> sentenceSyllables);
  // Learns a sentence composed of several selections; codes are its syllable numbers. In a
  // read-only process it is handed to the writer only when forward is non-zero.
  int LearnPhrase(std::u16string_view text, std::span<const uint16_t> codes, int forward);
  int LearnWord(std::u16string_view word);

  // Writes the file when the dictionary is dirty: to path + ".tmp" first, which then replaces the
  // file, so that a failed save leaves the old file whole. True when the file was written.
  bool SaveUserDictionary();
  // Empties the dictionary and gives its room back; the next save writes an empty file. A block
  // whose layout is damaged is laid out anew.
  void ClearUserDictionary();
  void CloseUserDictionary();
  void ReopenUserDictionary();

  // The steps of learning, each under the lock. Texts longer than 127 units, empty texts and
  // records longer than 65535 bytes are not learnable (kNotLearnedHere).
  int AddUserChar(const CharRecord& record);
  int AddUserPhrase(std::u16string_view text, uint32_t baseFrequency, uint8_t charClass, bool composed,
                    std::span<const uint16_t> codes);
  int AddUserWord(std::u16string_view word);
  // Raises the use count of the learned entry equal to record under IndexOrder1; 0 whether or not
  // there was one.
  int BumpUserEntry(const UserRecord& record);

  // The block for the searches; empty when the dictionary is closed.
  UserBlockView View() const { return {block_, size_}; }
  bool isOpen() const { return block_ != nullptr; }
  bool readOnly() const { return readOnly_; }
  // False for the private block of a process that could not have the shared one.
  bool isShared() const { return shared_.valid(); }
  // Why the file was set aside at the last load; empty when it was loaded or there was none.
  const std::string& loadFault() const { return loadFault_; }

 private:
  enum class FileState { kAbsent, kPresent, kTooLarge };

  void CreateBlock(size_t size);
  void LoadBlock(FileState state, const std::vector<uint8_t>& file);
  int AddRecord(const std::vector<uint8_t>& record);
  int AddRecordLocked(const std::vector<uint8_t>& record);
  // With the lock held: the new record lies at offset, the end of the record area.
  int InsertUserRecord(uint32_t offset, uint16_t length);
  bool HasRoom(uint16_t length) const;
  // The learned record equal to key under IndexOrder1; empty when there is none.
  UserRecord FindEntry(const UserLayout& layout, const UserRecord& key) const;
  void RaiseUseCount(const UserRecord& record);
  // The record a Us candidate points to, when it lies inside this block's record area.
  UserRecord RecordInBlock(const void* entry) const;
  void SendCandidate(const Candidate& candidate);

  const SystemDictionaries& dictionaries_;
  UserDictionaryOptions options_;
  MemoryAlarm memoryAlarm_;
  platform::NamedMutex mutex_;
  platform::SharedBlock shared_;
  std::unique_ptr<uint8_t[]> private_;
  uint8_t* block_ = nullptr;
  size_t size_ = 0;
  bool readOnly_ = false;
  std::u16string path_;
  std::string loadFault_;
};

}  // namespace kellavor::lexicon
