// Figures of the module in a process: how long LoadLibrary takes to return, how long the start on
// the first call of the manager (ImeInquire) takes, and the private memory of the process before
// the load, after it and after the start. Each cycle loads, starts and unloads the module; the
// first cycle meets cold caches.
//
//   kellavor_module_figures <build install folder> <KellavorIme.ime> <work folder> [cycles]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "ime/platform/win32/imm_device.h"
#include "tests/wine/installed_module.h"

namespace {

using ImeInquireFunction = BOOL(WINAPI*)(IMEINFO*, wchar_t*, DWORD);

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Committed memory of the process by kind, in megabytes: private (heaps, stacks, the module's
// own data) and mapped views (the dictionaries, shared with every other process).
struct Memory {
  double privateMb = 0;
  double mappedMb = 0;
};

Memory CommittedMemory() {
  Memory memory;
  MEMORY_BASIC_INFORMATION region{};
  const BYTE* address = nullptr;
  while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT) {
      const double mb = static_cast<double>(region.RegionSize) / (1024.0 * 1024.0);
      if (region.Type == MEM_PRIVATE) memory.privateMb += mb;
      if (region.Type == MEM_MAPPED) memory.mappedMb += mb;
    }
    const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return memory;
}

struct Cycle {
  double loadMs = 0;
  double startMs = 0;
  Memory before;
  Memory loaded;
  Memory started;
};

bool RunCycle(const std::filesystem::path& module, Cycle& cycle) {
  LARGE_INTEGER t0, t1, t2;
  cycle.before = CommittedMemory();
  QueryPerformanceCounter(&t0);
  HMODULE loaded = LoadLibraryW(module.c_str());
  QueryPerformanceCounter(&t1);
  if (loaded == nullptr) return false;
  cycle.loaded = CommittedMemory();
  auto inquire = reinterpret_cast<ImeInquireFunction>(reinterpret_cast<void*>(GetProcAddress(loaded, "ImeInquire")));
  IMEINFO info{};
  wchar_t uiClass[32] = {};
  const BOOL inquired = inquire != nullptr && inquire(&info, uiClass, 0);
  QueryPerformanceCounter(&t2);
  cycle.started = CommittedMemory();
  cycle.loadMs = Milliseconds(t0, t1);
  cycle.startMs = Milliseconds(t1, t2);
  FreeLibrary(loaded);
  return inquired != FALSE;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s <build install folder> <module> <work folder> [cycles]\n", argv[0]);
    return 2;
  }
  const int cycles = argc > 4 ? std::max(2, std::atoi(argv[4])) : 10;
  const kellavor::wine::InstalledModule installed =
      kellavor::wine::InstallModule(argv[1], argv[2], std::filesystem::path(argv[3]) / "Kellavor IME");
  std::vector<Cycle> runs(static_cast<size_t>(cycles));
  for (Cycle& cycle : runs) {
    if (!RunCycle(installed.modulePath, cycle)) {
      std::fprintf(stderr, "the module did not load or start\n");
      return 1;
    }
  }
  std::vector<double> load, start;
  for (size_t i = 1; i < runs.size(); ++i) {
    load.push_back(runs[i].loadMs);
    start.push_back(runs[i].startMs);
  }
  std::printf("flavour                     %s\n", sizeof(void*) == 8 ? "x86_64" : "i686");
  std::printf("LoadLibrary, first          %8.2f ms\n", runs[0].loadMs);
  std::printf("LoadLibrary, median         %8.2f ms\n", Median(load));
  std::printf("start (ImeInquire), first   %8.2f ms\n", runs[0].startMs);
  std::printf("start (ImeInquire), median  %8.2f ms\n", Median(start));
  const Memory after = CommittedMemory();
  std::printf("committed memory            private    mapped\n");
  std::printf("  before the load           %7.2f MB %7.2f MB\n", runs[0].before.privateMb, runs[0].before.mappedMb);
  std::printf("  after LoadLibrary         %7.2f MB %7.2f MB\n", runs[0].loaded.privateMb, runs[0].loaded.mappedMb);
  std::printf("  after the start           %7.2f MB %7.2f MB\n", runs[0].started.privateMb, runs[0].started.mappedMb);
  std::printf("  after %2d cycles           %7.2f MB %7.2f MB\n", cycles, after.privateMb, after.mappedMb);
  return 0;
}
