// The layout of "data_lm.bin", the word language model of the sentence search, shared by the
// writer and the reader: a header of 64 32-bit words, the word table, the text pool, a hash table
// from word texts to word numbers and a hash table of word pairs. All numbers little-endian.
//
// Costs are negative natural logarithms of probabilities in fixed point, kCostScale per unit.
// A word's unigram cost is its probability on its own; a pair (u, w) stores the cost of w after u;
// a pair that is not stored costs the back-off cost of u plus the unigram cost of w. Word 0 is
// the clause boundary: its empty text is never looked up, and pairs (0, w) give the cost of w at
// the start of a clause.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kellavor::lexicon {

inline constexpr uint32_t kModelMagic = 0x314D4C4B;  // "KLM1"
inline constexpr int32_t kCostScale = 256;

namespace model_word {
inline constexpr uint32_t kMagic = 0;
inline constexpr uint32_t kWordCount = 1;       // words, the boundary included
inline constexpr uint32_t kWordTable = 2;       // offset of the word table
inline constexpr uint32_t kTextPool = 3;        // offset of the text pool
inline constexpr uint32_t kTextPoolBytes = 4;
inline constexpr uint32_t kTextSlots = 5;       // offset of the text hash table
inline constexpr uint32_t kTextSlotCount = 6;   // a power of two
inline constexpr uint32_t kTextProbes = 7;      // the longest probe sequence of any text
inline constexpr uint32_t kPairSlots = 8;       // offset of the pair hash table
inline constexpr uint32_t kPairSlotCount = 9;   // a power of two
inline constexpr uint32_t kPairProbes = 10;     // the longest probe sequence of any pair
inline constexpr uint32_t kPairCount = 11;      // pairs stored
inline constexpr uint32_t kLongestWord = 12;    // characters of the longest word
inline constexpr uint32_t kPairFilter = 13;     // offset of the filter of the stored pairs
inline constexpr uint32_t kPairFilterBlocks = 14;  // its blocks, a power of two; 0: no filter
inline constexpr uint32_t kLast = kPairFilterBlocks;
}  // namespace model_word

inline constexpr size_t kModelHeaderBytes = 256;

// Word table entry, 12 bytes: text offset in the pool (bytes, 32 bits), text length (units, 16),
// unigram cost (16), back-off cost (signed 16), zero (16).
inline constexpr size_t kModelWordBytes = 12;
// Text slot, 4 bytes: word number + 1, or 0 for an empty slot.
inline constexpr size_t kModelTextSlotBytes = 4;
// Pair slot, 12 bytes: first word + 1 (32 bits, 0 for an empty slot), second word (32), cost (16),
// zero (16).
inline constexpr size_t kModelPairSlotBytes = 12;

// Filter block, 64 bytes: 512 bits, bit b in byte b / 8 at b % 8. A stored pair sets the
// kModelFilterBits bits ModelFilterBit gives in block `ModelPairHash & (blocks - 1)`; a pair with
// any of them clear is not stored. Most pairs a sentence asks for are not: the filter, a small
// fraction of the pair table's size, answers them without reading the table.
inline constexpr size_t kModelFilterBlockBytes = 64;
inline constexpr uint32_t kModelFilterBits = 4;
// Stored pairs per filter block, at most (about 10 bits a pair).
inline constexpr uint32_t kModelPairsPerFilterBlock = 48;

// FNV-1a over the UTF-16 units.
constexpr uint32_t ModelTextHash(std::u16string_view text) {
  uint32_t hash = 2166136261u;
  for (const char16_t unit : text) {
    hash = (hash ^ (unit & 0xFFu)) * 16777619u;
    hash = (hash ^ (unit >> 8)) * 16777619u;
  }
  return hash;
}

constexpr uint32_t ModelPairHash(uint32_t first, uint32_t second) {
  uint32_t hash = first * 2654435761u ^ (second + 0x9E3779B9u) * 2246822519u;
  hash ^= hash >> 15;
  hash *= 3266489917u;
  hash ^= hash >> 13;
  return hash;
}

// Bit k (below kModelFilterBits) of a pair in its filter block: nine bits each of the pair hash
// mixed again, so that they do not repeat the bits that chose the block and the table slot.
constexpr uint32_t ModelFilterBit(uint32_t pairHash, uint32_t k) {
  const uint64_t mixed = uint64_t{pairHash} * 0x9E3779B97F4A7C15ull;
  return static_cast<uint32_t>(mixed >> (64 - 9 * (k + 1))) & 511u;
}

}  // namespace kellavor::lexicon
