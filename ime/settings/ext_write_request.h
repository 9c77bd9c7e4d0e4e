// Requests to the external writer: the program that performs writes for processes that may not
// write their own files. It owns a top-level window of class "Tessal_ExtWriteCl" and title
// "Tessal_ExtWriteWi"; each request is one copy-data block whose dwData is the kind. Texts are
// UTF-16LE, each followed by a zero unit. The builders lay the data out byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kellavor::settings {

enum class ExtWriteKind : uint32_t {
  kLearnCandidate = 1,  // the 16-byte candidate record, then the dictionary record it stands for
  kLearnWord = 2,       // a German word
  kLearnPhrase = 3,     // a composed phrase: its text, then its code array
  kWriteSetting = 4,    // section, key, value and the INI file's full path
};

inline constexpr size_t kCandidateBytes = 16;

// The candidate as it lies in memory, then the record bytes (12 for a single character; a
// phrase or user record as long as its own length field says).
std::vector<uint8_t> BuildLearnCandidateRequest(std::span<const uint8_t, kCandidateBytes> candidate,
                                                std::span<const uint8_t> record);
std::vector<uint8_t> BuildLearnWordRequest(std::u16string_view word);
// The text, then the code array: a 16-bit count and that many 16-bit syllable numbers.
std::vector<uint8_t> BuildLearnPhraseRequest(std::u16string_view text, std::span<const uint16_t> syllables);
std::vector<uint8_t> BuildWriteSettingRequest(std::u16string_view section, std::u16string_view key,
                                              std::u16string_view value, std::u16string_view path);

// Hands the request to the writer's window, looked up anew for every request, and returns once
// the writer has handled it. Without a writer window the request is dropped.
void SendExtWrite(ExtWriteKind kind, const void* data, size_t size);

}  // namespace kellavor::settings
