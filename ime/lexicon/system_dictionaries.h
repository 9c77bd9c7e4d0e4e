// The three read-only system dictionaries, mapped as shared views, and the syllable table. Records
// are used in place; nothing is copied but the offset of each phrase (4 bytes).
//
// Nothing in a file is trusted. When a file is mapped its header offsets and counts are checked
// against the size of the view, every index entry against the table it points into, and the phrase
// area is walked record by record; any fault leaves that dictionary absent (count 0, empty index),
// exactly as a missing file does, so that its searches are skipped. The phrase and German
// dictionaries are mapped and checked on their first use rather than at the start: most processes
// that load the module never type, most never type German, and the walk of the phrase area and the
// German index are the largest checks. The orders of the tables and
// indexes are not checked here (a wrong order gives wrong results, never a bad read); the writer's
// check mode reports them.
//
// The German key index is the one check that only refuses a damaged file as a whole: every record
// read is tested where it is handed out (WordRecordAt). A file that passed it is entered into the
// record of checked files (check_record.h), and a later process that finds the file there, unchanged,
// skips it. The other checks stay: the character index entries and the phrase walk are what keep
// the searches' reads inside the files, and the walk builds the offset table the searches need.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ime/lexicon/char_file.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/index_view.h"
#include "ime/lexicon/phrase_file.h"
#include "ime/lexicon/phrase_record.h"
#include "ime/lexicon/syllable_table.h"
#include "ime/lexicon/word_file.h"
#include "ime/lexicon/word_record.h"
#include "ime/platform/file_mapping.h"

namespace kellavor::lexicon {

inline constexpr std::u16string_view kCharFileName = u"data_si.bin";
inline constexpr std::u16string_view kPhraseFileName = u"data_ph.bin";
inline constexpr std::u16string_view kWordFileName = u"data_de.bin";
inline constexpr std::u16string_view kModelFileName = u"data_lm.bin";

// The names under which the views are shared by the processes of a session.
struct SystemMappingNames {
  std::u16string chars = u"TessalIME_SiData";
  std::u16string phrases = u"TessalIME_PhData";
  std::u16string words = u"TessalIME_DeData";
  std::u16string model = u"TessalIME_LmData";
};

enum class SystemFile { kChars, kPhrases, kWords };

class SystemDictionaries {
 public:
  explicit SystemDictionaries(SystemMappingNames names = {});

  // Maps the character file, checks it and takes the syllable table from the module resource
  // "Pylist" 163; remembers the phrase and word files for their first use, which maps and checks
  // them (and builds the phrase offset table). checkRecord: the record of checked files (none when
  // empty). The fuzzy-sound pairs are the Lexicon's to load next.
  void MapSystemFiles(const std::u16string& charPath, const std::u16string& phrasePath,
                      const std::u16string& wordPath, const std::u16string& checkRecord = {});

  bool IsPresent(SystemFile file) const;
  // Why the dictionary is absent; empty when it is present.
  const std::string& Fault(SystemFile file) const;

  uint32_t CharRecordCount() const { return charLayout_.count; }
  // Null when i is not below CharRecordCount().
  const CharRecord* CharRecordAt(uint32_t i) const;
  IndexView CharIndex() const;

  uint32_t PhraseRecordCount() const {
    MapPhraseFile();
    return phraseLayout_.count;
  }
  // The record at that walk position; empty when number is not below PhraseRecordCount(). Rebuilds
  // the phrase offset table when it has been released. Inline for the searches, which read
  // hundreds of records per key; the first read of a process goes through MapAndRead.
  PhraseRecord PhraseRecordAt(uint32_t number) {
    if (phraseMapped_ && number < phraseLayout_.count && !phraseTable_.empty()) {
      return PhraseRecord(phraseView_.data() + phraseTable_[number]);
    }
    return MapAndRead(number);
  }
  IndexView PhraseInitialsIndex() const;

  uint32_t WordIndexCount() const {
    MapWordFile();
    return wordLayout_.count;
  }
  IndexView WordKeyIndex() const;
  // The record at that byte offset (an entry of the key index); empty when no record fits there.
  WordRecord WordRecordAt(uint32_t offset) const;

  uint32_t SyllableCount() const { return syllables_.Count(); }
  std::u16string_view SyllableText(uint32_t number) const { return syllables_.Text(number); }
  const SyllableTable& Syllables() const { return syllables_; }

  // Bits 1 to 4 of the flags of a record of that character (any of its readings), found by binary
  // search of the record table; 0 when the character has no record.
  uint8_t CharClass(char16_t unit) const;

  // Frees the phrase offset table; the next PhraseRecordAt builds it again.
  void ReleasePhraseTable();

 private:
  void MapCharFile(const std::u16string& path);
  // Maps and checks the phrase file unless that has been done since MapSystemFiles.
  void MapPhraseFile() const;
  // Maps and checks the word file unless that has been done since MapSystemFiles.
  void MapWordFile() const;
  bool BuildPhraseTable() const;
  PhraseRecord MapAndRead(uint32_t number);

  SystemMappingNames names_;
  platform::MappedFile charView_;
  CharFileLayout charLayout_;
  std::string charFault_;
  // The phrase and word files, each mapped by the first call that reads it, which may be a const
  // one.
  std::u16string phrasePath_;
  mutable bool phraseMapped_ = false;
  mutable platform::MappedFile phraseView_;
  mutable PhraseFileLayout phraseLayout_;
  mutable std::string phraseFault_;
  mutable std::vector<uint32_t> phraseTable_;  // offsets of the records in the file
  std::u16string wordPath_;
  std::u16string checkRecord_;
  mutable bool wordMapped_ = false;
  mutable platform::MappedFile wordView_;
  mutable WordFileLayout wordLayout_;
  mutable std::string wordFault_;
  SyllableTable syllables_;
};

}  // namespace kellavor::lexicon
