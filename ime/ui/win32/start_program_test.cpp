// Starting a program from a folder whose name has a blank in it, as "C:\Program Files\..." has.
#include "ime/ui/win32/start_program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/test_folder.h"

namespace kellavor::ui {
namespace {

std::filesystem::path ThisProgram() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

bool AppearsWithin(const std::filesystem::path& file, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (std::filesystem::exists(file)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

TEST(StartProgramTest, AProgramInAFolderWithABlankStartsWithItsArguments) {
  TestFolder root("start_program");
  std::filesystem::create_directories(root.Native() / "Program Files" / "Kellavor");
  // A file named after the first word of the folder: an unquoted line names it, and it cannot run.
  std::ofstream(root.Native() / "Program.exe") << "not a program";
  std::filesystem::copy_file(ThisProgram(), root.Native() / "Program Files" / "Kellavor" / "Orrisett.exe");
  const std::filesystem::path report = std::filesystem::absolute(root.Native() / "report.xml");
  const std::u16string folder = root.Path(u"Program Files\\Kellavor\\");
  const std::u16string arguments = u"--gtest_filter=-* \"--gtest_output=xml:" + report.u16string() + u"\"";
  ASSERT_TRUE(StartProgram(folder, u"Orrisett.exe", arguments, SW_HIDE));
  EXPECT_TRUE(AppearsWithin(report, std::chrono::seconds(60))) << "the arguments reached the program";
}

TEST(StartProgramTest, WhatCannotStartIsReported) {
  TestFolder root("start_program_missing");
  EXPECT_FALSE(StartProgram(root.Folder(), u"Orrisett.exe", u"", SW_HIDE));
  EXPECT_FALSE(StartProgram(std::u16string(kMaxCommandLineBytes, u'a'), u"x.exe", u"", SW_HIDE)) << "too long";
}

}  // namespace
}  // namespace kellavor::ui
