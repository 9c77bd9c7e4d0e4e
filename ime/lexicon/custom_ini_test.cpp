#include "ime/lexicon/custom_ini.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace kellavor::lexicon {
namespace {

// Each entry as key|position|text.
std::vector<std::u16string> Read(const std::string& file) {
  std::vector<std::u16string> entries;
  for (const CustomIniEntry& entry : ParseCustomIni(file)) {
    const std::string position = std::to_string(entry.position);
    entries.push_back(entry.key + u"|" + std::u16string(position.begin(), position.end()) + u"|" + entry.text);
  }
  return entries;
}

using Entries = std::vector<std::u16string>;

TEST(CustomIni, ReadsKeyPositionAndText) {
  EXPECT_EQ(Read("mfg=1,Mit freundlichen Grüßen\n"
                 "sgdh = = 2 ,Sehr geehrte Damen und Herren,\n"
                 "zeit=  +3 ignored, @fullhour\n"
                 "a,b=4,x,y\n"
                 "adr=1,Hauptstr. 1\\nBerlin\\\\n\n"
                 "big=99999999999999999999,no line feed"),
            (Entries{u"mfg|0|Mit freundlichen Grüßen", u"sgdh|1|Sehr geehrte Damen und Herren,",
                     u"zeit|2| @fullhour", u"a,b|3|x,y", u"adr|0|Hauptstr. 1\nBerlin\\\n",
                     u"big|2147483646|no line feed"}));
}

TEST(CustomIni, SkipsLinesThatAreNotEntries) {
  EXPECT_EQ(Read("; comment=1,x\n\n\r\n=1,no key\n k=1,no key\nzero=0,x\nnegative=-2,x\n"
                 "low=-99999999999999999999,x\nnonumber=,x\nnocomma=1 x\nempty=1,\nalone\nok=1,kept\n"),
            Entries{u"ok|0|kept"});
}

TEST(CustomIni, ByteOrderMarkAndCrLf) {
  // Only a mark at the start is dropped; only a CR before LF ends a line.
  EXPECT_EQ(Read("\xEF\xBB\xBFvg=1,Viele\r\nlg=2,Liebe\rGrüße\r\n\xEF\xBB\xBF" "b=1,y"),
            (Entries{u"vg|0|Viele", u"lg|1|Liebe\rGrüße", u"\uFEFFb|0|y"}));
}

TEST(CustomIni, LongLinesAreCutAndTheirRestIgnored) {
  // The rest of a 5000-unit line would read as an entry of its own if it were taken as a line.
  const std::string head = "long=1,";
  const size_t kept = kMaxCustomLineUnits - head.size();
  std::string line = head + std::string(kept, 'x') + "bogus=1,y";
  line += std::string(5000 - line.size(), 'z');
  EXPECT_EQ(Read(line + "\nnext=2,z\n"), (Entries{u"long|0|" + std::u16string(kept, u'x'), u"next|1|z"}));
  // The cut never splits a surrogate pair.
  EXPECT_EQ(Read(head + std::string(kept - 1, 'x') + "\xF0\x9F\x98\x80"),
            Entries{u"long|0|" + std::u16string(kept - 1, u'x')});
}

TEST(CustomIni, InvalidUtf8NulAndBinaryGarbage) {
  EXPECT_EQ(Read("k\xFF=1,a\xC3(b\xED\xA0\x80\n"), Entries{u"k\uFFFD|0|a\uFFFD(b\uFFFD\uFFFD\uFFFD"});
  const char withNul[] = "nul=1,before\0after\nx\0=1,y\n";
  EXPECT_EQ(Read(std::string(withNul, sizeof withNul - 1)), Entries{u"nul|0|before"});

  std::string garbage;
  uint32_t state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    garbage.push_back(static_cast<char>(state >> 24));
  }
  const std::vector<CustomIniEntry> entries = ParseCustomIni(garbage);
  EXPECT_FALSE(entries.empty());
  for (const CustomIniEntry& entry : entries) {
    EXPECT_FALSE(entry.key.empty() || entry.text.empty());
    EXPECT_GE(entry.position, 0);
    EXPECT_LE(entry.key.size() + entry.text.size(), kMaxCustomLineUnits);
  }
}

}  // namespace
}  // namespace kellavor::lexicon
