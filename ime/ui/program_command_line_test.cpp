#include "ime/ui/program_command_line.h"

#include <gtest/gtest.h>

namespace kellavor::ui {
namespace {

TEST(ProgramCommandLineTest, ThePathIsQuotedSoThatBlanksInTheFolderStayInIt) {
  EXPECT_EQ(ProgramCommandLine(u"C:\\Program Files\\Kellavor\\", u"Orrisett.exe", u""),
            u"\"C:\\Program Files\\Kellavor\\Orrisett.exe\"");
}

TEST(ProgramCommandLineTest, ArgumentsFollowAfterOneBlankAsTheyAre) {
  EXPECT_EQ(ProgramCommandLine(u"C:\\Program Files\\Kellavor\\", u"Orrisett.exe", u"-about"),
            u"\"C:\\Program Files\\Kellavor\\Orrisett.exe\" -about");
  EXPECT_EQ(ProgramCommandLine(u"D:\\k\\", u"Varnello.exe", u"\"my theme.thm\" /q"),
            u"\"D:\\k\\Varnello.exe\" \"my theme.thm\" /q");
}

TEST(ProgramCommandLineTest, WithoutAFolderTheProgramIsLookedUpByItsName) {
  EXPECT_EQ(ProgramCommandLine(u"", u"Nerovask.exe", u""), u"\"Nerovask.exe\"");
}

}  // namespace
}  // namespace kellavor::ui
