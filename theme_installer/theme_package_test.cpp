// Reading theme packages: the shipped ones read whole, and every way a package can try to place a
// file outside the theme folder, or carry something that is not a theme, is refused.
#include "theme_installer/theme_package.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ime/platform/file_system.h"
#include "theme_installer/test_packages.h"

namespace kellavor::theme_installer {
namespace {

const TestMember kSettings{"theme.ini", TestText("[General]\r\nNAME=Test\r\n")};

TEST(ThemePackageTest, TheShippedThemesReadWhole) {
  ASSERT_FALSE(ShippedThemeFolder().empty()) << "KELLAVOR_THEMES is not set";
  for (const char* name : {"Lagoon.thm", "Graphite.thm"}) {
    const std::filesystem::path path = std::filesystem::path(ShippedThemeFolder()) / name;
    const std::optional<std::vector<uint8_t>> file = platform::ReadWholeFile(path.u16string(), kMaxPackageBytes);
    ASSERT_TRUE(file.has_value()) << name;
    const PackageResult read = ReadThemePackage(*file);
    ASSERT_TRUE(read.package.has_value()) << name << ": " << read.fault;
    EXPECT_GE(read.package->members.size(), 5u);
    const auto& members = read.package->members;
    EXPECT_TRUE(std::any_of(members.begin(), members.end(), [](const ThemeMember& m) { return m.name == u"theme.ini"; }));
  }
}

TEST(ThemePackageTest, APlainThemeIsReadMemberByMember) {
  const PackageResult read = ReadThemePackage(ZipOf({kSettings, {"Bar.BMP", TestBitmap(8, 4)}}));
  ASSERT_TRUE(read.package.has_value()) << read.fault;
  ASSERT_EQ(read.package->members.size(), 2u);
  EXPECT_EQ(read.package->members[1].name, u"Bar.BMP");
  EXPECT_EQ(read.package->members[1].bytes, TestBitmap(8, 4));
}

TEST(ThemePackageTest, PackagesOutOfPlaceAreRefused) {
  const std::vector<uint8_t> bitmap = TestBitmap(8, 4);
  std::vector<uint8_t> truncated = ZipOf({kSettings});
  truncated.resize(truncated.size() - 5);
  std::vector<TestMember> many{kSettings};
  for (size_t i = 0; i < kMaxMembers; ++i) many.push_back({"b" + std::to_string(i) + ".bmp", bitmap});
  const std::vector<uint8_t> notABitmap = TestText("MZ this is a program");
  std::vector<uint8_t> wrongSize = bitmap;
  wrongSize[2] ^= 1;

  const struct {
    const char* what;
    std::vector<uint8_t> file;
  } cases[] = {
      {"no archive at all", TestText("not a zip")},
      {"a truncated archive", truncated},
      {"a way up", ZipOf({kSettings, {"../evil.bmp", bitmap}})},
      {"a way up with backslashes", ZipOf({kSettings, {"..\\evil.bmp", bitmap}})},
      {"a subfolder", ZipOf({kSettings, {"img/bar.bmp", bitmap}})},
      {"an absolute path", ZipOf({kSettings, {"/tmp/bar.bmp", bitmap}})},
      {"a drive", ZipOf({kSettings, {"C:bar.bmp", bitmap}})},
      {"a device name", ZipOf({kSettings, {"con.bmp", bitmap}})},
      {"a trailing dot", ZipOf({kSettings, {"bar.bmp.", bitmap}})},
      {"a text file", ZipOf({kSettings, {"readme.txt", TestText("hello")}})},
      {"a program named .bmp", ZipOf({kSettings, {"bar.bmp", notABitmap}})},
      {"a bitmap whose size field lies", ZipOf({kSettings, {"bar.bmp", wrongSize}})},
      {"an oversized bitmap", ZipOf({kSettings, {"big.bmp", TestBitmap(1024, 1024, kMaxMemberBytes)}})},
      {"an oversized theme.ini", ZipOf({{"theme.ini", std::vector<uint8_t>(kMaxSettingsBytes + 1, 'a')}})},
      {"too many members", ZipOf(many)},
      {"a compressed member", ZipOf({kSettings, {"bar.bmp", bitmap, 8}})},
      {"an encrypted member", ZipOf({kSettings, {"bar.bmp", bitmap, 0, 1}})},
      {"a wrong checksum", ZipOf({kSettings, {"bar.bmp", bitmap, 0, 0, true}})},
      {"a name given twice", ZipOf({kSettings, {"bar.bmp", bitmap}, {"BAR.bmp", bitmap}})},
      {"no theme.ini", ZipOf({{"bar.bmp", bitmap}})},
  };
  for (const auto& refused : cases) {
    const PackageResult read = ReadThemePackage(refused.file);
    EXPECT_FALSE(read.package.has_value()) << refused.what;
    EXPECT_FALSE(read.fault.empty()) << refused.what;
  }
}

}  // namespace
}  // namespace kellavor::theme_installer
