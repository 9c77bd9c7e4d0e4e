#include "ime/platform/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {
namespace {

constexpr const wchar_t* kKey = L"SoftWare\\Cendravia\\KellavorIME";

void Store(DWORD type, const std::wstring& text, bool withTerminator = true) {
  const DWORD bytes = static_cast<DWORD>((text.size() + (withTerminator ? 1 : 0)) * sizeof(wchar_t));
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"mainPath", type, text.c_str(), bytes), ERROR_SUCCESS);
}

TEST(InstallFolderValue, ComesFromTheMachineKeyWithinTheLimit) {
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kKey);
  EXPECT_EQ(ReadInstallFolderValue(), u"");

  Store(REG_SZ, L"C:\\Program Files\\Kellavor\\");
  EXPECT_EQ(ReadInstallFolderValue(), u"C:\\Program Files\\Kellavor\\");
  Store(REG_SZ, L"C:\\unterminated\\", false);
  EXPECT_EQ(ReadInstallFolderValue(), u"C:\\unterminated\\");
  Store(REG_SZ, std::wstring(129, L'a'));
  EXPECT_EQ(ReadInstallFolderValue().size(), 129u);
  Store(REG_SZ, std::wstring(130, L'a'));
  EXPECT_EQ(ReadInstallFolderValue(), u"");
  const DWORD number = 7;
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"mainPath", REG_DWORD, &number, sizeof number), ERROR_SUCCESS);
  EXPECT_EQ(ReadInstallFolderValue(), u"");

  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kKey);
}

}  // namespace
}  // namespace kellavor::platform
