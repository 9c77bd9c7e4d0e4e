#include "ext_writer/write_request.h"

#include <algorithm>

#include "ime/lexicon/candidate.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/phrase_record.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::ext_writer {
namespace {

using lexicon::LoadU16;
using lexicon::PhraseRecord;

constexpr size_t kCandidateBytes = 16;

// Reads units front to back and fails on the first one that is not there.
class UnitReader {
 public:
  explicit UnitReader(std::span<const uint8_t> data) : data_(data) {}

  std::optional<uint16_t> Unit() {
    if (data_.size() - position_ < 2) return std::nullopt;
    const uint16_t unit = LoadU16(data_.data() + position_);
    position_ += 2;
    return unit;
  }
  // A text and its zero unit, of 1 to maxUnits units.
  std::optional<std::u16string> Text(size_t maxUnits, bool mayBeEmpty = false) {
    std::u16string text;
    for (;;) {
      const std::optional<uint16_t> unit = Unit();
      if (!unit) return std::nullopt;
      if (*unit == 0) break;
      if (text.size() == maxUnits) return std::nullopt;
      text.push_back(static_cast<char16_t>(*unit));
    }
    if (text.empty() && !mayBeEmpty) return std::nullopt;
    return text;
  }
  bool AtEnd() const { return position_ == data_.size(); }

 private:
  std::span<const uint8_t> data_;
  size_t position_ = 0;
};

// A control character, or a surrogate without its partner: an INI file cannot hold either as the
// request gives it, so what a later read finds would not be what was written.
bool HasControl(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit < 0x20 || unit == 0x7F || (unit >= 0xDC00 && unit <= 0xDFFF)) return true;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return true;
      ++i;
    }
  }
  return false;
}

// A section or key name that a private-profile line keeps as it is: no brackets, no equals sign, no
// line break or other control character, no white space at either end (which would be dropped).
bool IsIniName(std::u16string_view name) {
  if (HasControl(name) || name.front() == u' ' || name.back() == u' ') return false;
  return name.find_first_of(u"[]=") == std::u16string_view::npos;
}

std::optional<WriteRequest> ParseCandidate(std::span<const uint8_t> data) {
  if (data.size() < kCandidateBytes + 2) return std::nullopt;
  const uint16_t kind = LoadU16(data.data());
  const std::span<const uint8_t> record = data.subspan(kCandidateBytes);
  const std::vector<uint8_t> bytes(record.begin(), record.end());
  if (kind == lexicon::candidate_kind::kSi) {
    if (record.size() != sizeof(lexicon::CharRecord)) return std::nullopt;
    return LearnCharacter{bytes};
  }
  // The other records say their own length first; it must be exactly what was sent.
  const size_t length = LoadU16(record.data());
  if (length != record.size()) return std::nullopt;
  if (kind == lexicon::candidate_kind::kUs) {
    const lexicon::UserRecord learned(record.data(), static_cast<uint16_t>(length));
    if (length < lexicon::user_block::kRecordHeaderSize) return std::nullopt;
    if (learned.isSingleChar() && length < lexicon::user_block::kSingleCharRecordSize) return std::nullopt;
    return RaiseLearnedEntry{bytes};
  }
  if (kind != lexicon::candidate_kind::kPh) return std::nullopt;
  if (length % 2 != 0 || length < PhraseRecord::MinimumLength(1, PhraseRecord::kMinSyllables)) return std::nullopt;
  const PhraseRecord phrase(bytes.data());
  const size_t units = phrase.textLength();
  if (units == 0 || PhraseRecord::MinimumLength(units, 0) > length) return std::nullopt;
  if (LoadU16(bytes.data() + PhraseRecord::kTextOffset + 2 * units) != 0) return std::nullopt;
  const std::u16string text(phrase.text());
  if (text.find(u'\0') != std::u16string::npos) return std::nullopt;
  const uint16_t count = phrase.syllableCount();
  if (count < PhraseRecord::kMinSyllables || count > units) return std::nullopt;
  if (PhraseRecord::MinimumLength(units, count) > length) return std::nullopt;
  LearnDictionaryPhrase learn{text, phrase.frequency(), phrase.charClass(), {}};
  for (uint32_t i = 0; i < count; ++i) learn.syllables.push_back(phrase.syllable(i));
  return learn;
}

std::optional<WriteRequest> ParseWord(std::span<const uint8_t> data) {
  UnitReader reader(data);
  std::optional<std::u16string> word = reader.Text(lexicon::kMaxTextUnits);
  if (!word || !reader.AtEnd()) return std::nullopt;
  return LearnWord{std::move(*word)};
}

std::optional<WriteRequest> ParseComposedPhrase(std::span<const uint8_t> data) {
  UnitReader reader(data);
  std::optional<std::u16string> text = reader.Text(lexicon::kMaxTextUnits);
  if (!text) return std::nullopt;
  const std::optional<uint16_t> count = reader.Unit();
  // One syllable per character at most, and at least one.
  if (!count || *count == 0 || *count > text->size()) return std::nullopt;
  LearnComposedPhrase learn{std::move(*text), {}};
  for (uint16_t i = 0; i < *count; ++i) {
    const std::optional<uint16_t> syllable = reader.Unit();
    if (!syllable) return std::nullopt;
    learn.syllables.push_back(*syllable);
  }
  if (!reader.AtEnd()) return std::nullopt;
  return learn;
}

std::optional<WriteRequest> ParseSetting(std::span<const uint8_t> data) {
  UnitReader reader(data);
  std::optional<std::u16string> section = reader.Text(kMaxSectionUnits);
  std::optional<std::u16string> key = reader.Text(kMaxKeyUnits);
  std::optional<std::u16string> value = reader.Text(kMaxValueUnits, true);
  std::optional<std::u16string> path = reader.Text(kMaxPathUnits);
  if (!section || !key || !value || !path || !reader.AtEnd()) return std::nullopt;
  if (!IsIniName(*section) || !IsIniName(*key) || HasControl(*value) || HasControl(*path)) return std::nullopt;
  return WriteSetting{std::move(*section), std::move(*key), std::move(*value), std::move(*path)};
}

}  // namespace

std::optional<WriteRequest> ParseWriteRequest(uintptr_t kind, std::span<const uint8_t> data) {
  if (data.size() > kMaxRequestBytes || data.size() % 2 != 0) return std::nullopt;
  switch (kind) {
    case 1:
      return ParseCandidate(data);
    case 2:
      return ParseWord(data);
    case 3:
      return ParseComposedPhrase(data);
    case 4:
      return ParseSetting(data);
    default:
      return std::nullopt;
  }
}

}  // namespace kellavor::ext_writer
