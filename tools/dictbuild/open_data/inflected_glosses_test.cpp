#include "tools/dictbuild/open_data/inflected_glosses.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kellavor::dictbuild {
namespace {

bool Offers(std::u16string_view form, std::u16string_view base) {
  const std::vector<std::u16string> bases = InflectedFrom(form);
  return std::find(bases.begin(), bases.end(), base) != bases.end();
}

TEST(InflectedGlosses, FindsTheWordAFormInflectsWhenTheirSensesAgree) {
  EXPECT_TRUE(Offers(u"Dateien", u"Datei"));
  EXPECT_TRUE(Offers(u"verwendet", u"verwenden"));
  EXPECT_TRUE(Offers(u"gesetzt", u"setzen"));
  EXPECT_TRUE(Offers(u"angegeben", u"angeben"));
  EXPECT_TRUE(Offers(u"ausgewählt", u"auswählen"));
  EXPECT_TRUE(Offers(u"arbeitet", u"arbeiten"));
  EXPECT_TRUE(Offers(u"lassend", u"lassen")) << "a present participle is a form of its infinitive";
  EXPECT_TRUE(InflectedFrom(u"Haus").empty() || !Offers(u"Haus", u"Haus"));

  EXPECT_TRUE(InflectsSense({{"files", false, 3}}, {{"file", false, 9}}));
  EXPECT_TRUE(InflectsSense({{"used", false, 3}}, {{"use", true, 9}}));
  EXPECT_TRUE(InflectsSense({{"selected", false, 3}}, {{"select", true, 9}}));
  EXPECT_TRUE(InflectsSense({{"copied", false, 3}}, {{"copy", true, 9}}));
  EXPECT_TRUE(InflectsSense({{"formatted", false, 3}}, {{"format", true, 9}}));
  EXPECT_TRUE(InflectsSense({{"setting", false, 3}}, {{"set", true, 9}}));
  EXPECT_FALSE(InflectsSense({{"unite", true, 3}}, {{"one", false, 9}})) << "einen, the verb, is not a form of ein";
}

GermanWord Word(std::u16string text, std::vector<WeightedSense> senses, bool adjective = false) {
  GermanWord word;
  word.word = std::move(text);
  word.senses = std::move(senses);
  word.adjective = adjective;
  return word;
}

TEST(InflectedGlosses, APresentParticipleWithAMeaningOfItsOwnKeepsItsGloss) {
  const GermanWord bedeuten = Word(u"bedeuten", {{"mean", true, 9}});
  const GermanWord bedeutend = Word(u"bedeutend", {{"meaning", false, 3}, {"significant", false, 3}}, true);
  EXPECT_FALSE(TakesBaseGloss(bedeutend, true, bedeuten)) << "significant, not meaning";
  EXPECT_TRUE(TakesBaseGloss(bedeutend, false, bedeuten)) << "without a gloss of its own the verb's is better than none";

  const GermanWord gehen = Word(u"gehen", {{"go", true, 9}});
  EXPECT_TRUE(TakesBaseGloss(Word(u"gehend", {{"going", false, 3}}), true, gehen));
  EXPECT_TRUE(TakesBaseGloss(Word(u"gehend", {}), true, gehen)) << "a form taken from the text";
  EXPECT_FALSE(TakesBaseGloss(Word(u"gehend", {{"walker", false, 3}}), true, gehen));
}

}  // namespace
}  // namespace kellavor::dictbuild
