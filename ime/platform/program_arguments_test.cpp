#include "ime/platform/program_arguments.h"

#include <gtest/gtest.h>

namespace kellavor::platform {
namespace {

TEST(ProgramArgumentsTest, TheProgramsNameIsPassedOverQuotedOrNot) {
  EXPECT_EQ(ArgumentsOf(u"\"C:\\Program Files\\Kellavor\\Orrisett.exe\" -about"), u"-about");
  EXPECT_EQ(ArgumentsOf(u"Varnello.exe   -use x.thm "), u"-use x.thm");
  EXPECT_EQ(ArgumentsOf(u"\"C:\\a b\\Orrisett.exe\""), u"");
  EXPECT_EQ(ArgumentsOf(u"Orrisett.exe"), u"");
  EXPECT_EQ(ArgumentsOf(u"\"unterminated -about"), u"");
}

}  // namespace
}  // namespace kellavor::platform
