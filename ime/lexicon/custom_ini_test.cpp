#include "ime/lexicon/custom_ini.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace kellavor::lexicon {
namespace {

struct Expected {
  std::u16string key;
  std::u16string text;
  int32_t position;
};

void ExpectEntries(const std::vector<CustomIniEntry>& entries, const std::vector<Expected>& expected) {
  ASSERT_EQ(entries.size(), expected.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].key, expected[i].key) << "entry " << i;
    EXPECT_EQ(entries[i].text, expected[i].text) << "entry " << i;
    EXPECT_EQ(entries[i].position, expected[i].position) << "entry " << i;
  }
}

TEST(CustomIni, ReadsKeyPositionAndText) {
  ExpectEntries(ParseCustomIni("mfg=1,Mit freundlichen Grüßen\n"
                               "sgdh = = 2 ,Sehr geehrte Damen und Herren,\n"
                               "zeit=  +3 ignored, @fullhour:@minute\n"
                               "a,b=4,x,y\n"
                               "adr=1,Hauptstr. 1\\nBerlin\\\\n\n"
                               "last=12,no line feed"),
                {{u"mfg", u"Mit freundlichen Grüßen", 0},
                 {u"sgdh", u"Sehr geehrte Damen und Herren,", 1},
                 {u"zeit", u" @fullhour:@minute", 2},
                 {u"a,b", u"x,y", 3},
                 {u"adr", u"Hauptstr. 1\nBerlin\\\n", 0},
                 {u"last", u"no line feed", 11}});
}

TEST(CustomIni, SkipsLinesThatAreNotEntries) {
  ExpectEntries(ParseCustomIni("; a comment=1,x\n"
                               "\n"
                               "\r\n"
                               "=1,no key\n"
                               " k=1,no key either\n"
                               "zero=0,x\n"
                               "negative=-2,x\n"
                               "nonumber=,x\n"
                               "nocomma=1 x\n"
                               "empty=1,\n"
                               "alone\n"
                               "ok=1,kept\n"),
                {{u"ok", u"kept", 0}});
}

TEST(CustomIni, NumbersSaturateAtThe32BitRange) {
  ExpectEntries(ParseCustomIni("big=99999999999999999999,x\nneg=-99999999999999999999,y\n"),
                {{u"big", u"x", INT32_MAX - 1}});
}

TEST(CustomIni, AcceptsAByteOrderMarkAndCrLf) {
  ExpectEntries(ParseCustomIni("\xEF\xBB\xBFvg=1,Viele Grüße\r\nlg=2,Liebe\rGrüße\r\n"),
                {{u"vg", u"Viele Grüße", 0}, {u"lg", u"Liebe\rGrüße", 1}});
  // A byte-order mark further on is an ordinary character.
  ExpectEntries(ParseCustomIni("a=1,x\n\xEF\xBB\xBF" "b=1,y\n"), {{u"a", u"x", 0}, {u"\uFEFFb", u"y", 0}});
}

TEST(CustomIni, CutsLongLinesAndIgnoresTheirRest) {
  // A 5000-unit line keeps its first 1023 units; what follows, up to the line feed, would read as
  // an entry of its own if it were taken as the next line.
  const std::string head = "long=1,";
  std::string line = head + std::string(kMaxCustomLineUnits - head.size(), 'x') + "bogus=1,y";
  line += std::string(5000 - line.size(), 'z');
  ExpectEntries(ParseCustomIni(line + "\nnext=2,z\n"),
                {{u"long", std::u16string(kMaxCustomLineUnits - head.size(), u'x'), 0}, {u"next", u"z", 1}});

  // The cut never splits a surrogate pair.
  std::string pairs = head + std::string(kMaxCustomLineUnits - head.size() - 1, 'x') + "\xF0\x9F\x98\x80";
  const std::vector<CustomIniEntry> entries = ParseCustomIni(pairs);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].text, std::u16string(kMaxCustomLineUnits - head.size() - 1, u'x'));
}

TEST(CustomIni, SurvivesInvalidUtf8AndBinaryGarbage) {
  ExpectEntries(ParseCustomIni("k\xFF=1,a\xC3(b\xED\xA0\x80\n"), {{u"k\uFFFD", u"a\uFFFD(b\uFFFD\uFFFD\uFFFD", 0}});
  // A NUL ends the line's content.
  const char withNul[] = "nul=1,before\0after\nx\0=1,y\n";
  ExpectEntries(ParseCustomIni(std::string(withNul, sizeof withNul - 1)), {{u"nul", u"before", 0}});

  std::string garbage;
  uint32_t state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    garbage.push_back(static_cast<char>(state >> 24));
  }
  for (const CustomIniEntry& entry : ParseCustomIni(garbage)) {
    EXPECT_FALSE(entry.key.empty());
    EXPECT_FALSE(entry.text.empty());
    EXPECT_GE(entry.position, 0);
    EXPECT_LE(entry.key.size() + entry.text.size(), kMaxCustomLineUnits);
  }
}

}  // namespace
}  // namespace kellavor::lexicon
