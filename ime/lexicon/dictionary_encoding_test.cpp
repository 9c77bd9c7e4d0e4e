#include "ime/lexicon/dictionary_encoding.h"

#include <gtest/gtest.h>

namespace kellavor::lexicon {
namespace {

TEST(DictionaryEncoding, RecognisesTheSpellersNames) {
  EXPECT_EQ(DictionaryEncodingFromName("UTF-8"), DictionaryEncoding::kUtf8);
  EXPECT_EQ(DictionaryEncodingFromName("utf8"), DictionaryEncoding::kUtf8);
  EXPECT_EQ(DictionaryEncodingFromName("ISO8859-1"), DictionaryEncoding::kLatin1);
  EXPECT_EQ(DictionaryEncodingFromName("iso-8859-1"), DictionaryEncoding::kLatin1);
  EXPECT_EQ(DictionaryEncodingFromName("ISO8859-15"), DictionaryEncoding::kLatin9);
  EXPECT_EQ(DictionaryEncodingFromName("ISO8859-2"), DictionaryEncoding::kAscii);
  EXPECT_EQ(DictionaryEncodingFromName("KOI8-R"), DictionaryEncoding::kAscii);
  EXPECT_EQ(DictionaryEncodingFromName(""), DictionaryEncoding::kAscii);
}

TEST(DictionaryEncoding, Utf8KeepsEverythingAndRepairsBrokenBytes) {
  const std::u16string text = u"Mädchen Straße 汉字 😀";
  EXPECT_EQ(EncodeForDictionary(text, DictionaryEncoding::kUtf8), "M\xC3\xA4" "dchen Stra\xC3\x9F" "e \xE6\xB1\x89\xE5\xAD\x97 \xF0\x9F\x98\x80");
  EXPECT_EQ(DecodeFromDictionary(EncodeForDictionary(text, DictionaryEncoding::kUtf8), DictionaryEncoding::kUtf8), text);
  EXPECT_EQ(DecodeFromDictionary("a\xC3", DictionaryEncoding::kUtf8), u"a\uFFFD");
}

TEST(DictionaryEncoding, Latin1CarriesGermanLettersAndMarksTheRest) {
  EXPECT_EQ(EncodeForDictionary(u"ÄÖÜäöüß", DictionaryEncoding::kLatin1), "\xC4\xD6\xDC\xE4\xF6\xFC\xDF");
  EXPECT_EQ(DecodeFromDictionary("\xC4\xD6\xDC\xE4\xF6\xFC\xDF", DictionaryEncoding::kLatin1), u"ÄÖÜäöüß");
  EXPECT_EQ(EncodeForDictionary(u"a€汉😀b", DictionaryEncoding::kLatin1), "a???b") << "a surrogate pair is one character";
  EXPECT_EQ(EncodeForDictionary(std::u16string(u"a\xD800"), DictionaryEncoding::kLatin1), "a?");
}

TEST(DictionaryEncoding, Latin9DiffersFromLatin1InEightPlaces) {
  EXPECT_EQ(EncodeForDictionary(u"€ŠšŽžŒœŸ", DictionaryEncoding::kLatin9), "\xA4\xA6\xA8\xB4\xB8\xBC\xBD\xBE");
  EXPECT_EQ(DecodeFromDictionary("\xA4\xBE\xE4", DictionaryEncoding::kLatin9), u"€Ÿä");
  EXPECT_EQ(EncodeForDictionary(u"¤¦ä", DictionaryEncoding::kLatin9), "??\xE4") << "the Latin-1 signs it replaced";
}

TEST(DictionaryEncoding, OtherEncodingsPassOnlyAscii) {
  EXPECT_EQ(EncodeForDictionary(u"Käse", DictionaryEncoding::kAscii), "K?se");
  EXPECT_EQ(DecodeFromDictionary("K\xE4se", DictionaryEncoding::kAscii), u"K?se");
}

}  // namespace
}  // namespace kellavor::lexicon
