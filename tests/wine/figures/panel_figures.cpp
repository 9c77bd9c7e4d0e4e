// Figures of the panel per keystroke: the time from a key event to both panel windows painted, as a
// user types pinyin into an application through the manager. Each keystroke is a press and a
// release through the manager (the engine's search, the publication of the page, the refresh that
// sizes, places and shows the windows) followed by the paint of both windows (UpdateWindow, which
// paints at once what the refresh invalidated). Prints the median and percentiles of all
// keystrokes, of the paint alone, and of the page published to the windows again without a key
// (the refresh, which lays out, places and shows both windows, and the paint of both).
//
//   kellavor_panel_figures <build install folder> <KellavorIme.ime> <work folder> [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/wine/ime_session.h"
#include "tests/wine/installed_module.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  const size_t index = std::min(values.size() - 1, static_cast<size_t>(share * static_cast<double>(values.size())));
  return values[index];
}

void Report(const char* what, const std::vector<double>& values) {
  std::printf("%-28s n=%zu  median %.3f ms  p90 %.3f ms  p99 %.3f ms  max %.3f ms\n", what, values.size(),
              Percentile(values, 0.5), Percentile(values, 0.9), Percentile(values, 0.99), Percentile(values, 1.0));
}

void PaintNow(const wchar_t* className) {
  if (HWND window = FindWindowW(className, nullptr); window != nullptr && IsWindowVisible(window)) UpdateWindow(window);
}

void PrintInMemory(const wchar_t* className) {
  HWND window = FindWindowW(className, nullptr);
  if (window == nullptr || !IsWindowVisible(window)) return;
  RECT rect{};
  GetWindowRect(window, &rect);
  HDC memory = CreateCompatibleDC(nullptr);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, rect.right - rect.left, rect.bottom - rect.top);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s <build install folder> <module> <work folder> [rounds]\n", argv[0]);
    return 2;
  }
  const int rounds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 100;
  const kellavor::wine::InstalledModule installed =
      kellavor::wine::InstallModule(argv[1], argv[2], std::filesystem::path(argv[3]) / "Kellavor IME");
  kellavor::wine::ImeSession session(installed.layout);
  // Both windows, one page a keystroke: the separate layout.
  const std::wstring config = (installed.userFolder / "config.ini").wstring();
  WritePrivateProfileStringW(L"UI", L"iscomb", L"0", config.c_str());
  SendMessageW(FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi"), WM_APP + 108, 0, 0);

  const std::wstring letters = L"zhongguorenmin";
  std::vector<double> keystrokes;
  std::vector<double> paints;
  std::vector<double> refreshes;
  std::vector<double> layouts;
  std::vector<double> prints;
  HWND ui = FindWindowW(L"KellavorIME_UI", nullptr);
  for (int round = 0; round < rounds; ++round) {
    for (wchar_t letter : letters) {
      LARGE_INTEGER start;
      LARGE_INTEGER published;
      LARGE_INTEGER painted;
      QueryPerformanceCounter(&start);
      session.Tap(static_cast<UINT>(VkKeyScanW(letter) & 0xFF));
      QueryPerformanceCounter(&published);
      PaintNow(L"KellavorIME_Comp");
      PaintNow(L"KellavorIME_Cand");
      QueryPerformanceCounter(&painted);
      keystrokes.push_back(Milliseconds(start, painted));
      paints.push_back(Milliseconds(published, painted));
      // The page published again as it stands: the refresh that sizes, places and shows the
      // windows, then the paint of both.
      LARGE_INTEGER refreshed;
      LARGE_INTEGER laidOut;
      QueryPerformanceCounter(&start);
      SendMessageW(ui, WM_APP + 4, 0, 0);
      QueryPerformanceCounter(&laidOut);
      layouts.push_back(Milliseconds(start, laidOut));
      InvalidateRect(FindWindowW(L"KellavorIME_Comp", nullptr), nullptr, FALSE);
      InvalidateRect(FindWindowW(L"KellavorIME_Cand", nullptr), nullptr, FALSE);
      PaintNow(L"KellavorIME_Comp");
      PaintNow(L"KellavorIME_Cand");
      QueryPerformanceCounter(&refreshed);
      refreshes.push_back(Milliseconds(start, refreshed));
      // The same two paints into a bitmap in memory: the module's painting without the copy of
      // the result to the screen.
      LARGE_INTEGER printed;
      QueryPerformanceCounter(&start);
      PrintInMemory(L"KellavorIME_Comp");
      PrintInMemory(L"KellavorIME_Cand");
      QueryPerformanceCounter(&printed);
      prints.push_back(Milliseconds(start, printed));
    }
    session.Tap(VK_ESCAPE);
    session.TakeMessages();
  }
  Report("keystroke, published+painted", keystrokes);
  Report("painting both windows", paints);
  Report("refresh and paint, one page", refreshes);
  Report("refresh alone", layouts);
  Report("painting both, in memory", prints);
  return 0;
}
