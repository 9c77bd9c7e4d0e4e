// The three read-only system dictionaries, mapped as shared views, and the syllable table. Records
// are used in place; nothing is copied but one pointer per phrase.
//
// Nothing in a file is trusted. When a file is mapped its header offsets and counts are checked
// against the size of the view, every index entry against the table it points into, and the phrase
// area is walked record by record; any fault leaves that dictionary absent (count 0, empty index),
// exactly as a missing file does, so that its searches are skipped. The orders of the tables and
// indexes are not checked here (a wrong order gives wrong results, never a bad read); the writer's
// check mode reports them.
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

  // Maps the three files, checks them, builds the phrase pointer table and takes the syllable table
  // from the module resource "Pylist" 163. The fuzzy-sound pairs are the Lexicon's to load next.
  void MapSystemFiles(const std::u16string& charPath, const std::u16string& phrasePath,
                      const std::u16string& wordPath);

  bool IsPresent(SystemFile file) const;
  // Why the dictionary is absent; empty when it is present.
  const std::string& Fault(SystemFile file) const;

  uint32_t CharRecordCount() const { return charLayout_.count; }
  // Null when i is not below CharRecordCount().
  const CharRecord* CharRecordAt(uint32_t i) const;
  IndexView CharIndex() const;

  uint32_t PhraseRecordCount() const { return phraseLayout_.count; }
  // The record at that walk position; empty when number is not below PhraseRecordCount(). Rebuilds
  // the phrase pointer table when it has been released.
  PhraseRecord PhraseRecordAt(uint32_t number);
  IndexView PhraseInitialsIndex() const;

  uint32_t WordIndexCount() const { return wordLayout_.count; }
  IndexView WordKeyIndex() const;
  // The record at that byte offset (an entry of the key index); empty when no record fits there.
  WordRecord WordRecordAt(uint32_t offset) const;

  uint32_t SyllableCount() const { return syllables_.Count(); }
  std::u16string_view SyllableText(uint32_t number) const { return syllables_.Text(number); }
  const SyllableTable& Syllables() const { return syllables_; }

  // Bits 1 to 4 of the flags of a record of that character (any of its readings), found by binary
  // search of the record table; 0 when the character has no record.
  uint8_t CharClass(char16_t unit) const;

  // Frees the phrase pointer table; the next PhraseRecordAt builds it again.
  void ReleasePhraseTable();

 private:
  void MapCharFile(const std::u16string& path);
  void MapPhraseFile(const std::u16string& path);
  void MapWordFile(const std::u16string& path);
  bool BuildPhraseTable();

  SystemMappingNames names_;
  platform::MappedFile charView_;
  platform::MappedFile phraseView_;
  platform::MappedFile wordView_;
  CharFileLayout charLayout_;
  PhraseFileLayout phraseLayout_;
  WordFileLayout wordLayout_;
  std::string charFault_;
  std::string phraseFault_;
  std::string wordFault_;
  std::vector<const uint8_t*> phraseTable_;
  SyllableTable syllables_;
};

}  // namespace kellavor::lexicon
