// What only the native implementation promises: an edit keeps the rest of a file byte for byte
// whatever its layout, and files beyond the size limit are left alone.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ime/platform/private_profile.h"
#include "tests/support/test_folder.h"

namespace kellavor::platform {
namespace {

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::u16string Read(const std::filesystem::path& path, const std::u16string& section, const std::u16string& key) {
  char16_t buffer[64];
  const size_t count = ReadProfileValue(section, key, u"<default>", buffer, 64, path.u16string());
  return std::u16string(buffer, count);
}

TEST(PrivateProfileLayout, EditsKeepEveryOtherByte) {
  TestFolder folder("profile_layout");
  const auto path = folder.Native() / "layout.ini";
  std::ofstream(path, std::ios::binary) << "\n[s]\n  a = 1  \n\n\xE4 latin\n[t]\r\nx = \"9\" \r\n\r\n\r\n[v]";
  EXPECT_TRUE(WriteProfileValue(u"s", u"a", u"2", path.u16string()));
  EXPECT_TRUE(WriteProfileValue(u"s", u"new", u"3", path.u16string()));
  EXPECT_TRUE(WriteProfileValue(u"t", u"y", u"4", path.u16string()));
  EXPECT_TRUE(WriteProfileValue(u"v", u"z", u"5", path.u16string()));
  EXPECT_EQ(Bytes(path), "\n[s]\n  a =2\n\n\xE4 latin\nnew=3\r\n[t]\r\nx = \"9\" \r\ny=4\r\n\r\n\r\n[v]\r\nz=5\r\n");
  EXPECT_EQ(Read(path, u"t", u"x"), u"9");
  EXPECT_EQ(Read(path, u"s", u"a"), u"2");
}

TEST(PrivateProfileLayout, KeyWithoutEqualsSignTakesTheValue) {
  TestFolder folder("profile_bare_key");
  const auto path = folder.Native() / "bare.ini";
  std::ofstream(path, std::ios::binary) << "[s]\r\nbare  \r\nbare=5\r\n";
  EXPECT_TRUE(WriteProfileValue(u"s", u"bare", u"6", path.u16string()));
  EXPECT_EQ(Bytes(path), "[s]\r\nbare=6  \r\nbare=5\r\n");
  EXPECT_EQ(Read(path, u"s", u"bare"), u"6");
}

TEST(PrivateProfileLayout, WriteKeepsModeAndLinks) {
  TestFolder folder("profile_mode");
  const auto target = folder.Native() / "target.ini";
  const auto link = folder.Native() / "link.ini";
  std::ofstream(target, std::ios::binary) << "[s]\r\na=1\r\n";
  std::filesystem::permissions(target, std::filesystem::perms(0640));
  std::filesystem::create_symlink(target, link);
  EXPECT_TRUE(WriteProfileValue(u"s", u"a", u"2", link.u16string()));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(Bytes(target), "[s]\r\na=2\r\n");
  EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Native()), std::filesystem::directory_iterator()), 2);
}

TEST(PrivateProfileLayout, FilesBeyondTheLimitAreLeftAlone) {
  TestFolder folder("profile_limit");
  const auto path = folder.Native() / "large.ini";
  std::ofstream(path, std::ios::binary) << "[s]\r\na=1\r\n" << std::string((16u << 20) - 9, ' ');
  EXPECT_EQ(Read(path, u"s", u"a"), u"<default>");
  EXPECT_FALSE(WriteProfileValue(u"s", u"a", u"2", path.u16string()));
  EXPECT_EQ(std::filesystem::file_size(path), (16u << 20) + 1);

  const auto fifo = folder.Native() / "fifo.ini";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Read(fifo, u"s", u"a"), u"<default>");  // never blocks on a reader-less pipe
  EXPECT_FALSE(WriteProfileValue(u"s", u"a", u"2", fifo.u16string()));
}

}  // namespace
}  // namespace kellavor::platform
