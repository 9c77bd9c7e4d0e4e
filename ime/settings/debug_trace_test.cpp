#include "ime/settings/debug_trace.h"

#include <gtest/gtest.h>

namespace kellavor::settings {
namespace {

TEST(DebugTrace, OneLineWithoutTrailingWhiteSpaceEndingInCrLf) {
  EXPECT_EQ(FormatTraceLine("text  \n"), "text\r\n");
  EXPECT_EQ(FormatTraceLine("%s=%d\t\r\n ", "key", -3), "key=-3\r\n");
  EXPECT_EQ(FormatTraceLine("  inner  blanks stay"), "  inner  blanks stay\r\n");
  EXPECT_EQ(FormatTraceLine(" \n\t"), "\r\n");
  EXPECT_EQ(FormatTraceLine("%s", std::string(5000, 'x').c_str()), std::string(4095, 'x') + "\r\n");
  DebugTrace("settings loaded from %s", "config.ini");
}

}  // namespace
}  // namespace kellavor::settings
