#include "tests/wine/installed_module.h"

#include <shlobj.h>

#include <cwchar>
#include <stdexcept>

namespace kellavor::wine {
namespace {

constexpr wchar_t kLayouts[] = L"System\\CurrentControlSet\\Control\\Keyboard Layouts";

void SetMainPath(const std::filesystem::path& folder) {
  const std::wstring value = folder.wstring() + L"\\";
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SoftWare\\Cendravia\\KellavorIME", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create the setup key");
  }
  RegSetValueExW(key, L"mainPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

// The layout whose "Ime File" is the module, from an earlier run; null when there is none.
HKL RegisteredLayout(const std::filesystem::path& module) {
  HKEY layouts = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLayouts, 0, KEY_READ, &layouts) != ERROR_SUCCESS) return nullptr;
  HKL found = nullptr;
  wchar_t name[32];
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = 32;
    if (RegEnumKeyExW(layouts, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    wchar_t file[MAX_PATH] = {};
    DWORD size = sizeof file - sizeof(wchar_t);
    if (RegGetValueW(layouts, name, L"Ime File", RRF_RT_REG_SZ, nullptr, file, &size) == ERROR_SUCCESS &&
        module == std::filesystem::path(file)) {
      found = reinterpret_cast<HKL>(static_cast<uintptr_t>(std::wcstoul(name, nullptr, 16)));
      break;
    }
  }
  RegCloseKey(layouts);
  return found;
}

// copy_file of this runtime refuses to overwrite even when asked to: the old file goes first.
void CopyOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::remove(to);
  std::filesystem::copy_file(from, to);
}

}  // namespace

InstalledModule InstallModule(const std::filesystem::path& builtInstallFolder, const std::filesystem::path& builtModule,
                              const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(builtInstallFolder)) {
    const std::filesystem::path target = folder / std::filesystem::relative(entry.path(), builtInstallFolder);
    if (entry.is_directory()) {
      std::filesystem::create_directories(target);
    } else {
      CopyOver(entry.path(), target);
    }
  }
  CopyOver(builtModule, folder / builtModule.filename());
  return RegisterModule(folder, builtModule.filename());
}

InstalledModule RegisterModule(const std::filesystem::path& folder, const std::filesystem::path& moduleName) {
  InstalledModule installed;
  installed.installFolder = std::filesystem::absolute(folder);
  installed.modulePath = installed.installFolder / moduleName;
  installed.userFolder = ModuleUserFolder();
  SetMainPath(installed.installFolder);
  installed.layout = RegisteredLayout(installed.modulePath);
  if (installed.layout == nullptr) installed.layout = ImmInstallIMEW(installed.modulePath.c_str(), L"Veltrani");
  if (installed.layout == nullptr) throw std::runtime_error("the module cannot be registered");
  return installed;
}

std::filesystem::path ModuleUserFolder() {
  wchar_t folder[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, FALSE);
  return std::filesystem::path(folder) / "Ombrelune" / "KellavorIME";
}

}  // namespace kellavor::wine
