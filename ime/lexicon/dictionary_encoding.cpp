#include "ime/lexicon/dictionary_encoding.h"

#include <array>
#include <cstdint>
#include <utility>

#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

// The eight positions where ISO 8859-15 differs from ISO 8859-1.
constexpr std::array<std::pair<uint8_t, char16_t>, 8> kLatin9Differences{{
    {0xA4, u'\u20AC'}, {0xA6, u'\u0160'}, {0xA8, u'\u0161'}, {0xB4, u'\u017D'},
    {0xB8, u'\u017E'}, {0xBC, u'\u0152'}, {0xBD, u'\u0153'}, {0xBE, u'\u0178'},
}};

std::string NormalizedName(std::string_view name) {
  std::string out;
  for (const char c : name) {
    if (c >= 'A' && c <= 'Z') {
      out.push_back(static_cast<char>(c - 'A' + 'a'));
    } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      out.push_back(c);
    }
  }
  return out;
}

char EncodeLatin(char16_t c, DictionaryEncoding encoding) {
  if (c < 0x80) return static_cast<char>(c);
  if (encoding == DictionaryEncoding::kAscii) return '?';
  if (encoding == DictionaryEncoding::kLatin9) {
    for (const auto& [byte, character] : kLatin9Differences) {
      if (character == c) return static_cast<char>(byte);
      if (byte == c) return '?';
    }
  }
  return c <= 0xFF ? static_cast<char>(c) : '?';
}

char16_t DecodeLatin(uint8_t byte, DictionaryEncoding encoding) {
  if (byte < 0x80) return byte;
  if (encoding == DictionaryEncoding::kAscii) return u'?';
  if (encoding == DictionaryEncoding::kLatin9) {
    for (const auto& [position, character] : kLatin9Differences) {
      if (position == byte) return character;
    }
  }
  return byte;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

DictionaryEncoding DictionaryEncodingFromName(std::string_view name) {
  const std::string normalized = NormalizedName(name);
  if (normalized == "utf8") return DictionaryEncoding::kUtf8;
  if (normalized == "iso88591" || normalized == "latin1") return DictionaryEncoding::kLatin1;
  if (normalized == "iso885915" || normalized == "latin9") return DictionaryEncoding::kLatin9;
  return DictionaryEncoding::kAscii;
}

std::string EncodeForDictionary(std::u16string_view text, DictionaryEncoding encoding) {
  if (encoding == DictionaryEncoding::kUtf8) return platform::Utf16ToUtf8(text);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(EncodeLatin(text[i], encoding));
  }
  return out;
}

std::u16string DecodeFromDictionary(std::string_view bytes, DictionaryEncoding encoding) {
  if (encoding == DictionaryEncoding::kUtf8) return platform::Utf8ToUtf16(bytes);
  std::u16string out;
  out.reserve(bytes.size());
  for (const char byte : bytes) out.push_back(DecodeLatin(static_cast<uint8_t>(byte), encoding));
  return out;
}

}  // namespace kellavor::lexicon
