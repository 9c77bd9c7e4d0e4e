#include "ime/lexicon/system_dictionaries.h"

#include <utility>

#include "ime/lexicon/check_record.h"
#include "ime/platform/debug_output.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

constexpr const char* kNotMapped = "the file cannot be mapped";

std::span<const uint8_t> Bytes(const platform::MappedFile& view) { return {view.data(), view.size()}; }

// A view opened by name is bounded by whole pages; the file itself must fit them.
bool StampFitsView(const platform::FileStamp& stamp, size_t viewSize) {
  constexpr uint64_t kPageSlack = 65536;
  return stamp.size <= viewSize && viewSize - stamp.size < kPageSlack;
}

void TraceRejected(const std::u16string& path, const std::string& fault) {
  const std::string line = "KellavorIme: " + platform::Utf16ToUtf8(path) + " is not used: " + fault + "\n";
  platform::OutputDebugLine(line.c_str());
}

}  // namespace

SystemDictionaries::SystemDictionaries(SystemMappingNames names)
    : names_(std::move(names)), charFault_(kNotMapped), phraseFault_(kNotMapped), wordFault_(kNotMapped) {}

void SystemDictionaries::MapSystemFiles(const std::u16string& charPath, const std::u16string& phrasePath,
                                        const std::u16string& wordPath, const std::u16string& checkRecord) {
  MapCharFile(charPath);
  phrasePath_ = phrasePath;
  phraseMapped_ = false;
  phraseLayout_ = {};
  phraseTable_.clear();
  phraseView_ = {};
  phraseFault_ = kNotMapped;
  wordPath_ = wordPath;
  checkRecord_ = checkRecord;
  wordMapped_ = false;
  wordLayout_ = {};
  wordView_ = {};
  wordFault_ = kNotMapped;
  syllables_ = SyllableTable(platform::FindModuleResource(kSyllableResourceType, kSyllableResourceId));
}

void SystemDictionaries::MapCharFile(const std::u16string& path) {
  charLayout_ = {};
  charView_ = platform::MapReadOnlyFile(path, names_.chars);
  if (!charView_) {
    charFault_ = kNotMapped;
    return;
  }
  charFault_.clear();
  if (std::optional<CharFileLayout> layout = LocateCharFile(Bytes(charView_), charFault_)) {
    charLayout_ = *layout;
    return;
  }
  TraceRejected(path, charFault_);
  charView_ = {};
}

void SystemDictionaries::MapPhraseFile() const {
  if (phraseMapped_) return;
  phraseMapped_ = true;
  phraseView_ = platform::MapReadOnlyFile(phrasePath_, names_.phrases);
  if (!phraseView_) {
    phraseFault_ = kNotMapped;
    return;
  }
  phraseFault_.clear();
  if (std::optional<PhraseFileLayout> layout = LocatePhraseFile(Bytes(phraseView_), phraseFault_)) {
    phraseLayout_ = *layout;
    if (BuildPhraseTable()) return;
    phraseLayout_ = {};
  }
  TraceRejected(phrasePath_, phraseFault_);
  phraseView_ = {};
}

void SystemDictionaries::MapWordFile() const {
  if (wordMapped_) return;
  wordMapped_ = true;
  // Stamped before it is mapped: a file replaced in between is then never entered under the stamp
  // of the one that was checked.
  const std::optional<platform::FileStamp> stamp =
      checkRecord_.empty() ? std::nullopt : platform::StampOf(wordPath_);
  wordView_ = platform::MapReadOnlyFile(wordPath_, names_.words);
  if (!wordView_) {
    wordFault_ = kNotMapped;
    return;
  }
  wordFault_.clear();
  std::optional<CheckedFile> checked;
  if (stamp && StampFitsView(*stamp, wordView_.size())) {
    checked = CheckedFile{static_cast<uint32_t>(SystemFile::kWords), *stamp, HeaderHash(Bytes(wordView_))};
  }
  const bool vouched = checked && RecordVouchesFor(checkRecord_, *checked);
  const std::optional<WordFileLayout> layout =
      vouched ? LocateWordFileBounds(Bytes(wordView_), wordFault_) : LocateWordFile(Bytes(wordView_), wordFault_);
  if (layout) {
    wordLayout_ = *layout;
    if (checked && !vouched) AddToCheckRecord(checkRecord_, *checked);
    return;
  }
  TraceRejected(wordPath_, wordFault_);
  wordView_ = {};
}

bool SystemDictionaries::BuildPhraseTable() const {
  if (WalkPhraseArea(Bytes(phraseView_), phraseLayout_, phraseTable_, phraseFault_)) return true;
  phraseTable_.clear();
  return false;
}

bool SystemDictionaries::IsPresent(SystemFile file) const {
  switch (file) {
    case SystemFile::kChars: return static_cast<bool>(charView_);
    case SystemFile::kPhrases:
      MapPhraseFile();
      return static_cast<bool>(phraseView_);
    case SystemFile::kWords:
      MapWordFile();
      return static_cast<bool>(wordView_);
  }
  return false;
}

const std::string& SystemDictionaries::Fault(SystemFile file) const {
  switch (file) {
    case SystemFile::kChars: return charFault_;
    case SystemFile::kPhrases:
      MapPhraseFile();
      return phraseFault_;
    case SystemFile::kWords: break;
  }
  MapWordFile();
  return wordFault_;
}

const CharRecord* SystemDictionaries::CharRecordAt(uint32_t i) const {
  if (i >= charLayout_.count) return nullptr;
  return reinterpret_cast<const CharRecord*>(charView_.data() + charLayout_.tableOffset) + i;
}

IndexView SystemDictionaries::CharIndex() const {
  if (charLayout_.count == 0) return {};
  return {charView_.data() + charLayout_.indexOffset, charLayout_.count};
}

PhraseRecord SystemDictionaries::MapAndRead(uint32_t number) {
  MapPhraseFile();
  if (number >= phraseLayout_.count) return {};
  if (phraseTable_.empty() && !BuildPhraseTable()) {
    phraseLayout_ = {};
    phraseView_ = {};
    return {};
  }
  return PhraseRecord(phraseView_.data() + phraseTable_[number]);
}

IndexView SystemDictionaries::PhraseInitialsIndex() const {
  MapPhraseFile();
  if (phraseLayout_.count == 0) return {};
  return {phraseView_.data() + phraseLayout_.initialsIndexOffset, phraseLayout_.count};
}

IndexView SystemDictionaries::WordKeyIndex() const {
  MapWordFile();
  if (wordLayout_.count == 0) return {};
  return {wordView_.data() + wordLayout_.keyIndexOffset, wordLayout_.count};
}

WordRecord SystemDictionaries::WordRecordAt(uint32_t offset) const {
  MapWordFile();
  if (!wordView_ || !WordRecordFits(wordLayout_, offset)) return {};
  return WordRecord(wordView_.data() + offset);
}

uint8_t SystemDictionaries::CharClass(char16_t unit) const {
  uint32_t low = 0;
  uint32_t high = charLayout_.count;
  while (low < high) {
    const uint32_t middle = low + (high - low) / 2;
    const CharRecord* record = CharRecordAt(middle);
    if (record->character() == unit) return record->charClass();
    if (record->character() < unit) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return 0;
}

void SystemDictionaries::ReleasePhraseTable() { std::vector<uint32_t>().swap(phraseTable_); }

}  // namespace kellavor::lexicon
