#include "tools/dictbuild/open_data/inflected_glosses.h"

#include <algorithm>
#include <array>

#include "tools/dictbuild/open_data/english_sense.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kShortestBase = 3;
constexpr size_t kLeadingFormSenses = 3;
// Separable verb prefixes, behind which a participle takes its "ge" (aus-ge-wählt).
constexpr std::array<std::u16string_view, 16> kSeparablePrefixes = {
    u"", u"ab", u"an", u"auf", u"aus", u"bei", u"ein", u"fest", u"fort", u"her", u"hin", u"mit", u"nach", u"vor", u"weg", u"zu"};
constexpr std::array<std::u16string_view, 8> kNounEndings = {u"e", u"n", u"s", u"en", u"er", u"es", u"nen", u"ern"};

void Add(std::vector<std::u16string>& out, std::u16string base) {
  if (base.size() >= kShortestBase && std::find(out.begin(), out.end(), base) == out.end()) out.push_back(std::move(base));
}

// Infinitives of a finite verb form or a participle without its "ge": arbeitet -> arbeiten,
// verwendet -> verwenden, erstellt -> erstellen, geben -> geben, lassend -> lassen.
void AddInfinitives(std::vector<std::u16string>& out, std::u16string_view form) {
  if (form.ends_with(u"en")) Add(out, std::u16string(form));
  if (form.ends_with(u"end")) Add(out, std::u16string(form.substr(0, form.size() - 1)));
  if (form.ends_with(u"et")) Add(out, std::u16string(form.substr(0, form.size() - 2)) + u"en");
  if (form.ends_with(u"t")) {
    const std::u16string_view stem = form.substr(0, form.size() - 1);
    Add(out, std::u16string(stem) + u"en");
    if (stem.ends_with(u"e")) Add(out, std::u16string(stem) + u"n");
  }
}

bool IsVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// The bases of a stem left by removing -ed or -ing: the stem, the stem with e (used: use), and a
// doubled final consonant undone (formatted: format, setting: set).
void AddStemBases(std::vector<std::string>& forms, const std::string& stem) {
  forms.push_back(stem);
  forms.push_back(stem + "e");
  const size_t n = stem.size();
  if (n >= 3 && stem[n - 1] == stem[n - 2] && !IsVowel(stem[n - 1])) forms.push_back(stem.substr(0, n - 1));
}

// The English forms a sense may be an inflection of: itself, its singular, and the base of a
// past form (copied: copy) or an -ing form.
std::vector<std::string> BaseForms(const std::string& sense) {
  std::vector<std::string> forms = {sense};
  if (std::string singular = SingularSense(sense); !singular.empty()) forms.push_back(std::move(singular));
  if (sense.size() >= 5 && sense.ends_with("ied")) forms.push_back(sense.substr(0, sense.size() - 3) + "y");
  if (sense.size() >= 4 && sense.ends_with("ed")) AddStemBases(forms, sense.substr(0, sense.size() - 2));
  if (sense.size() >= 5 && sense.ends_with("ing")) AddStemBases(forms, sense.substr(0, sense.size() - 3));
  return forms;
}

}  // namespace

std::vector<std::u16string> InflectedFrom(std::u16string_view word) {
  std::vector<std::u16string> bases;
  for (const std::u16string_view ending : kNounEndings) {
    if (word.size() > ending.size() && word.ends_with(ending)) Add(bases, std::u16string(word.substr(0, word.size() - ending.size())));
  }
  AddInfinitives(bases, word);
  for (const std::u16string_view prefix : kSeparablePrefixes) {
    const std::u16string_view participle = word.substr(0, prefix.size());
    if (participle != prefix || word.substr(prefix.size(), 2) != u"ge") continue;
    AddInfinitives(bases, std::u16string(prefix) + std::u16string(word.substr(prefix.size() + 2)));
  }
  std::erase(bases, std::u16string(word));
  return bases;
}

bool TakesBaseGloss(const GermanWord& form, bool glossed, const GermanWord& base) {
  const bool participle = form.word.ends_with(u"end") && form.word.size() == base.word.size() + 1;
  if (participle && form.adjective && glossed) return false;
  return form.senses.empty() || InflectsSense(form.senses, base.senses);
}

bool InflectsSense(const std::vector<WeightedSense>& form, const std::vector<WeightedSense>& base) {
  const size_t leading = std::min(form.size(), kLeadingFormSenses);
  for (size_t i = 0; i < leading; ++i) {
    for (const std::string& english : BaseForms(form[i].sense)) {
      const bool known = std::any_of(base.begin(), base.end(), [&](const WeightedSense& s) { return s.sense == english; });
      if (known) return true;
    }
  }
  return false;
}

}  // namespace kellavor::dictbuild
