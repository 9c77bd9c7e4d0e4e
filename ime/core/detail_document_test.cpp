#include "ime/core/detail_document.h"

#include <gtest/gtest.h>

namespace kellavor::core {
namespace {

constexpr std::string_view kTemplate = "<cfg><word>@word</word><sentence>@sent</sentence></cfg>";

TEST(DetailDocument, WordAndSentenceArePercentEncodedUtf8) {
  EXPECT_EQ(BuildDetailDocument(kTemplate, u"Straße", std::nullopt),
            "<cfg><word>Stra%c3%9fe</word><sentence></sentence></cfg>");
  EXPECT_EQ(BuildDetailDocument(kTemplate, u"bin", u"ich bin"),
            "<cfg><word>bin</word><sentence>ich%20bin</sentence></cfg>");
}

TEST(DetailDocument, NothingToShowIsAnEmptyDocument) {
  EXPECT_EQ(BuildDetailDocument(kTemplate, u"", std::nullopt), "");
  EXPECT_EQ(BuildDetailDocument(kTemplate, u"", u"ich bin"), "<cfg><word></word><sentence>ich%20bin</sentence></cfg>");
  EXPECT_EQ(BuildDetailDocument("", u"Haus", std::nullopt), "") << "a missing template";
}

}  // namespace
}  // namespace kellavor::core
