// What the setup test asks of an installed machine, from inside the prefix: the layout that setup
// recorded loads through LoadKeyboardLayout, is an input method whose module is KellavorIme.ime,
// and types pinyin through the input-method manager. Prints what was committed; exit code 0 when it was Chinese text.
//   setup_check type        load the layout, type "nihao" and a space
//   setup_check hold SECONDS   load the layout and keep the module loaded for that long
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

#include "installer/win32/recorded_layout.h"
#include "tests/wine/ime_session.h"

namespace {

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"type";
  const std::wstring id = kellavor::installer::RecordedLayout();
  if (id.empty()) {
    std::fprintf(stderr, "setup_check: no layout recorded\n");
    return 2;
  }
  // The layout's handle is its id. Wine hands out a Chinese layout only in a Chinese locale, as
  // the user of this input method has; elsewhere it answers with the current layout.
  HKL layout = LoadKeyboardLayoutW(id.c_str(), KLF_ACTIVATE);
  const auto named = reinterpret_cast<HKL>(static_cast<uintptr_t>(std::wcstoul(id.c_str(), nullptr, 16)));
  if (layout != named || !ImmIsIME(layout)) {
    std::fprintf(stderr, "setup_check: layout %ls does not load as an input method\n", id.c_str());
    return 3;
  }
  wchar_t file[MAX_PATH] = {};
  ImmGetIMEFileNameW(layout, file, MAX_PATH);
  std::printf("layout %ls: module %ls\n", id.c_str(), file);
  std::fflush(stdout);
  if (lstrcmpiW(file, L"KellavorIme.ime") != 0) return 4;
  kellavor::wine::ImeSession session(layout);
  if (mode == L"hold") {
    std::printf("holding\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(argc > 2 ? _wtoi(argv[2]) : 10) * 1000);
    return 0;
  }
  const std::wstring committed = session.Commit(L"nihao", VK_SPACE);
  const std::string utf8 = [&] {
    std::string out(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, committed.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, committed.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    return out;
  }();
  std::printf("layout %ls committed: %s\n", id.c_str(), utf8.c_str());
  return !committed.empty() && committed[0] >= 0x4E00 ? 0 : 1;
}
