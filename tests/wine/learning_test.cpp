// Learning across processes: a selection made in one process is offered first in another that
// has the module loaded at the same time, through the shared user dictionary.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/test_folder.h"
#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"

namespace kellavor::wine {
namespace {

constexpr UINT kClearUser = WM_APP + 100;
constexpr wchar_t kChildTest[] = L"LearningChild.DISABLED_PicksTheThirdCandidate";

HWND EventWindow() { return FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi"); }

// Runs this program's child test in a process of its own; its exit code.
DWORD RunChild(const std::filesystem::path& output) {
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring command =
      L"\"" + std::wstring(program) + L"\" --gtest_also_run_disabled_tests --gtest_filter=" + kChildTest;
  SetEnvironmentVariableW(L"KELLAVOR_HARNESS_CHILD", L"1");
  SetEnvironmentVariableW(L"KELLAVOR_HARNESS_INSTALL", Installed().installFolder.c_str());
  SetEnvironmentVariableW(L"KELLAVOR_HARNESS_OUTPUT", output.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  SetEnvironmentVariableW(L"KELLAVOR_HARNESS_CHILD", nullptr);
  if (!started) return ~0u;
  DWORD exitCode = ~0u;
  if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

std::wstring ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

TEST(LearningTest, AWordLearnedInOneProcessIsOfferedFirstInAnother) {
  ImeSession session(Installed().layout);
  session.Type(L"shijian");
  session.Tap(VK_SPACE);
  const std::wstring first = session.TakeCommitted();
  // Forget that selection again: only the child's may count.
  ASSERT_EQ(SendMessageW(EventWindow(), kClearUser, 0, 0), 1);

  TestFolder folder("learning");
  const std::filesystem::path output = std::filesystem::absolute(folder.Native() / "picked.txt");
  ASSERT_EQ(RunChild(output), 0u) << "the child process picked a candidate";
  const std::wstring picked = ReadText(output);
  ASSERT_FALSE(picked.empty());
  ASSERT_NE(picked, first) << "the child picked another candidate than the first";

  session.Type(L"shijian");
  session.Tap(VK_SPACE);
  EXPECT_EQ(session.TakeCommitted(), picked);
}

// The child's side, run only by the test above.
TEST(LearningChild, DISABLED_PicksTheThirdCandidate) {
  const char* output = std::getenv("KELLAVOR_HARNESS_OUTPUT");
  ASSERT_NE(output, nullptr);
  ImeSession session(Installed().layout);
  session.Type(L"shijian");
  session.Tap('3');
  const std::wstring picked = session.TakeCommitted();
  std::ofstream(std::filesystem::path(output), std::ios::binary)
      .write(reinterpret_cast<const char*>(picked.data()), static_cast<std::streamsize>(picked.size() * sizeof(wchar_t)));
}

}  // namespace
}  // namespace kellavor::wine
