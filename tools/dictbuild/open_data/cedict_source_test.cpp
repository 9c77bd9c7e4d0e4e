#include "tools/dictbuild/open_data/cedict_source.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(CedictSource, ReadsTheDataModule) {
  const std::optional<std::vector<CedictEntry>> entries = ParseCedictModule(
      "export default {\"all\":["
      "[\"狗\",\"狗\",\"gou3\",\"dog\",[],[3,4]],"
      "[\"電腦\",\"电脑\",\"dian4 nao3\",[\"computer\",\"(old) \\\"brain\\\" \\u5927 \\ud840\\udc00\"],[],[]]"
      "],\"variantLookup\":[[\"a\",\"b\",\"\"]],\"classifierLookup\":{\"x\":[1,true,null,-2.5e3]}}");
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 2u);
  EXPECT_EQ((*entries)[0].simplified, "狗");
  EXPECT_EQ((*entries)[0].pinyin, "gou3");
  EXPECT_EQ((*entries)[0].definitions, std::vector<std::string>{"dog"});
  EXPECT_TRUE((*entries)[0].countable) << "it names measure words";
  EXPECT_FALSE((*entries)[1].countable);
  EXPECT_EQ((*entries)[1].simplified, "电脑");
  EXPECT_EQ((*entries)[1].definitions,
            (std::vector<std::string>{"computer", "(old) \"brain\" 大 \xF0\xA0\x80\x80"}));
}

TEST(CedictSource, TellsNounsByTheirMeasureWords) {
  const std::optional<std::vector<CedictEntry>> entries = ParseCedictModule(
      "export default {\"all\":[[\"法律\",\"法律\",\"fa3 lu:4\",[\"law\",\"CL:條|条[tiao2]\"],[],[]],"
      "[\"走\",\"走\",\"zou3\",\"to walk\"]]}");
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 2u);
  EXPECT_TRUE((*entries)[0].countable);
  EXPECT_FALSE((*entries)[1].countable);
}

TEST(CedictSource, RejectsMalformedModules) {
  for (const std::string_view text : {
           "export default {}",                                        // no entries
           "export default {\"all\":[[\"a\",\"b\"]]}",                 // entry cut short
           "export default {\"all\":[[\"a\",\"b\",\"c\",\"d\",[]]",    // unclosed
           "export default {\"all\":[[\"a\",\"b\",\"c\",\"\\q\"]]}",   // bad escape
           "export default {\"all\":[[\"a\",\"b\",\"c\",\"\\u12\"]]}", // short escape
           "nothing here",
       }) {
    EXPECT_FALSE(ParseCedictModule(text).has_value()) << text;
  }
  const std::string deep = "export default {\"all\":[],\"x\":" + std::string(100, '[') + std::string(100, ']') + "}";
  EXPECT_FALSE(ParseCedictModule(deep).has_value()) << "nesting is bounded";
}

TEST(CedictSource, DropsTonesFromPinyin) {
  EXPECT_EQ(TonelessPinyin("fang2 zi5"), "fang zi");
  EXPECT_EQ(TonelessPinyin("lu:4 se4"), "lv se");
  EXPECT_EQ(TonelessPinyin("Ping2 guo3"), "ping guo");
}

}  // namespace
}  // namespace kellavor::dictbuild
