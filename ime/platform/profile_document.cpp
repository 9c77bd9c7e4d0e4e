#include "ime/platform/profile_document.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <tuple>
#include <utility>

#include "ime/platform/utf.h"

namespace kellavor::platform {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

bool IsSpace(char16_t unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }

char16_t FoldAscii(char16_t unit) { return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit; }

// The name as the file's C-string reading sees it: up to its first NUL, without white space
// around it.
std::u16string_view NormalName(std::u16string_view name) {
  name = name.substr(0, name.find(u'\0'));
  while (!name.empty() && IsSpace(name.front())) name.remove_prefix(1);
  while (!name.empty() && IsSpace(name.back())) name.remove_suffix(1);
  return name;
}

bool NamesEqual(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

// Where the "]" of a section header closes it: a header is "[" up to the last "]" of its line, and
// anything after that "]" is ignored. npos when the line is not a header.
size_t HeaderClose(std::u16string_view text) {
  const size_t close = text.front() == u'[' ? text.rfind(u']') : std::u16string_view::npos;
  return close == 0 ? std::u16string_view::npos : close;
}

}  // namespace

struct ProfileDocument::Line {
  size_t end = 0;        // end of the line's text, where its line break starts
  size_t next = 0;       // start of the next line; equals end for a last line without a break
  size_t textBegin = 0;  // the text without the white space around it
  size_t textEnd = 0;
};

struct ProfileDocument::Place {
  bool sectionFound = false;
  std::optional<Line> keyLine;
  size_t equals = std::u16string::npos;  // position of the key line's "=", if it has one
  std::optional<Line> lastLine;          // the section's last line that is not blank
};

ProfileDocument ProfileDocument::FromBytes(std::string_view bytes) {
  ProfileDocument document;
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    document.encoding_ = Encoding::kUtf16Le;
    document.prefix_ = bytes.substr(0, 2);
    bytes.remove_prefix(2);
    document.units_.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
      document.units_ += static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                               (static_cast<uint8_t>(bytes[i + 1]) << 8));
    }
    if (bytes.size() % 2 != 0) document.suffix_ = bytes.substr(bytes.size() - 1);
    return document;
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    document.prefix_ = bytes.substr(0, 3);
    bytes.remove_prefix(3);
  }
  document.units_.reserve(bytes.size());
  for (const char byte : bytes) document.units_ += static_cast<char16_t>(static_cast<uint8_t>(byte));
  return document;
}

ProfileDocument ProfileDocument::FromText(std::u16string text) {
  ProfileDocument document;
  document.encoding_ = Encoding::kUtf16Le;
  document.units_ = std::move(text);
  return document;
}

std::string ProfileDocument::ToBytes() const {
  std::string bytes = prefix_;
  if (encoding_ == Encoding::kUtf16Le) {
    bytes.reserve(prefix_.size() + units_.size() * 2 + suffix_.size());
    for (const char16_t unit : units_) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
  } else {
    bytes.reserve(prefix_.size() + units_.size());
    for (const char16_t unit : units_) bytes += static_cast<char>(unit);
  }
  return bytes + suffix_;
}

ProfileDocument::Line ProfileDocument::LineAt(size_t begin) const {
  Line line;
  line.end = begin;
  while (line.end < units_.size() && units_[line.end] != u'\r' && units_[line.end] != u'\n') ++line.end;
  line.next = line.end;
  if (line.next < units_.size()) {
    const bool crlf = units_[line.next] == u'\r' && line.next + 1 < units_.size() && units_[line.next + 1] == u'\n';
    line.next += crlf ? 2 : 1;
  }
  line.textBegin = begin;
  line.textEnd = line.end;
  while (line.textBegin < line.textEnd && IsSpace(units_[line.textBegin])) ++line.textBegin;
  while (line.textEnd > line.textBegin && IsSpace(units_[line.textEnd - 1])) --line.textEnd;
  return line;
}

std::u16string ProfileDocument::Decode(size_t begin, size_t end) const {
  if (encoding_ == Encoding::kUtf16Le) return units_.substr(begin, end - begin);
  std::string bytes;
  bytes.reserve(end - begin);
  for (size_t i = begin; i < end; ++i) bytes += static_cast<char>(units_[i]);
  return Utf8ToUtf16(bytes);
}

std::u16string ProfileDocument::Encode(std::u16string_view text) const {
  if (encoding_ == Encoding::kUtf16Le) return std::u16string(text);
  std::u16string units;
  for (const char byte : Utf16ToUtf8(text)) units += static_cast<char16_t>(static_cast<uint8_t>(byte));
  return units;
}

ProfileDocument::Place ProfileDocument::Locate(std::u16string_view section, std::u16string_view key) const {
  Place place;
  // The lines before the first section header form a section without a name.
  bool inSection = section.empty();
  place.sectionFound = inSection;
  for (size_t begin = 0; begin < units_.size();) {
    const Line line = LineAt(begin);
    begin = line.next;
    if (line.textBegin == line.textEnd) continue;
    const std::u16string_view text(units_.data() + line.textBegin, line.textEnd - line.textBegin);
    const size_t close = HeaderClose(text);
    if (close != std::u16string_view::npos) {
      if (inSection) break;  // only the first section of the name counts
      if (!place.sectionFound && NamesEqual(NormalName(Decode(line.textBegin + 1, line.textBegin + close)), section)) {
        inSection = place.sectionFound = true;
        place.lastLine = line;
      }
      continue;
    }
    if (!inSection) continue;
    place.lastLine = line;
    const size_t equals = text.find(u'=');
    const size_t nameEnd = equals == std::u16string_view::npos ? text.size() : equals;
    if (NamesEqual(NormalName(Decode(line.textBegin, line.textBegin + nameEnd)), key)) {
      place.keyLine = line;
      if (equals != std::u16string_view::npos) place.equals = line.textBegin + equals;
      break;
    }
  }
  return place;
}

std::u16string ProfileDocument::ValueOf(const Line& line, size_t equals) const {
  std::u16string_view value(units_.data() + equals + 1, line.textEnd - equals - 1);
  while (!value.empty() && IsSpace(value.front())) value.remove_prefix(1);
  value = value.substr(0, value.find(u'\0'));
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  const size_t begin = static_cast<size_t>(value.data() - units_.data());
  return Decode(begin, begin + value.size());
}

std::optional<std::u16string> ProfileDocument::Find(std::u16string_view section, std::u16string_view key) const {
  const Place place = Locate(NormalName(section), NormalName(key));
  if (!place.keyLine || place.equals == std::u16string::npos) return std::nullopt;
  return ValueOf(*place.keyLine, place.equals);
}

std::u16string ProfileDocument::NameKey(std::u16string_view name) {
  std::u16string folded(NormalName(name));
  std::transform(folded.begin(), folded.end(), folded.begin(), FoldAscii);
  return folded;
}

// The rules of Locate for all names at once: the lines before the first header form the section
// without a name, only the first section of a name counts, and in it the first key of a name.
std::vector<ProfileDocument::Entry> ProfileDocument::Entries() const {
  std::vector<Entry> entries;
  std::set<std::u16string> sectionsSeen{u""};
  std::u16string section;
  bool counts = true;
  for (size_t begin = 0; begin < units_.size();) {
    const Line line = LineAt(begin);
    begin = line.next;
    if (line.textBegin == line.textEnd) continue;
    const std::u16string_view text(units_.data() + line.textBegin, line.textEnd - line.textBegin);
    const size_t close = HeaderClose(text);
    if (close != std::u16string_view::npos) {
      section = NameKey(Decode(line.textBegin + 1, line.textBegin + close));
      counts = sectionsSeen.insert(section).second;
      continue;
    }
    if (!counts) continue;
    const size_t equals = text.find(u'=');
    const size_t nameEnd = equals == std::u16string_view::npos ? text.size() : equals;
    Entry entry{section, NameKey(Decode(line.textBegin, line.textBegin + nameEnd)), std::nullopt};
    if (equals != std::u16string_view::npos) entry.value = ValueOf(line, line.textBegin + equals);
    entries.push_back(std::move(entry));
  }
  const auto names = [](const Entry& entry) { return std::tie(entry.section, entry.key); };
  std::stable_sort(entries.begin(), entries.end(),
                   [&](const Entry& a, const Entry& b) { return names(a) < names(b); });
  entries.erase(std::unique(entries.begin(), entries.end(),
                            [&](const Entry& a, const Entry& b) { return names(a) == names(b); }),
                entries.end());
  return entries;
}

void ProfileDocument::Set(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  section = NormalName(section);
  key = NormalName(key);
  value = value.substr(0, value.find(u'\0'));
  const Place place = Locate(section, key);
  if (place.keyLine) {
    if (place.equals != std::u16string::npos) {
      units_.replace(place.equals + 1, place.keyLine->end - place.equals - 1, Encode(value));
    } else {
      units_.insert(place.keyLine->textEnd, Encode(std::u16string(u"=") + std::u16string(value)));
    }
    return;
  }
  std::u16string added;
  const std::u16string entry = std::u16string(key) + u"=" + std::u16string(value) + std::u16string(kLineBreak);
  if (place.sectionFound) {
    size_t at = 0;
    if (place.lastLine) {
      at = place.lastLine->next;
      if (place.lastLine->next == place.lastLine->end) added = kLineBreak;
    }
    units_.insert(at, Encode(added + entry));
    return;
  }
  if (!units_.empty() && units_.back() != u'\r' && units_.back() != u'\n') added = kLineBreak;
  added += u"[" + std::u16string(section) + u"]" + std::u16string(kLineBreak) + entry;
  units_ += Encode(added);
}

}  // namespace kellavor::platform
