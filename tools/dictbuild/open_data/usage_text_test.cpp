#include "tools/dictbuild/open_data/usage_text.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(UsageText, TakesTheRunningTextOfAManualPage) {
  const std::string text = ManualPageText(
      ".\\\" a comment\n"
      ".TH LS 1\n"
      ".SH BESCHREIBUNG\n"
      "Auflistung von \\fBInformationen\\fP über die\n"
      ".BR Datei en\n"
      "im Verzeich\\%nis \\- sortiert \\(em alphabetisch.\n"
      ".PP\n"
      "Zweiter Absatz \\\" mit Kommentar\n");
  EXPECT_EQ(text,
            "BESCHREIBUNG\n"
            "Auflistung von Informationen über die Dateien im Verzeichnis - sortiert   alphabetisch.\n"
            "Zweiter Absatz \n");
}

TEST(UsageText, TakesTheContentAreaOfAHelpPage) {
  const std::string text = UsageTextOf(
      "page.html",
      "<html><head><title>Tabelle</title></head><body><header><p>Hilfe</p></header>"
      "<div id=\"DisplayArea\"><h1>Tabelle</h1><script>var x = 1;</script><!-- note -->"
      "<p>Legt die <a href=\"x\">Eigenschaften</a> fest &amp; gr&#xF6;&#223;er.</p></div>"
      "<div id=\"SearchFrame\"><p>Suche</p></div></body></html>");
  EXPECT_EQ(text, "Tabelle\nLegt die Eigenschaften fest & größer.\n");
}

}  // namespace
}  // namespace kellavor::dictbuild
