// Figures of the module in a process. Load cycles: how long LoadLibrary takes to return, how long
// the start on the first call of the manager (ImeInquire) takes, and the private memory of the
// process before the load, after it and after the start; each cycle loads, starts and unloads the
// module, the first one meets cold caches. Typing processes: new applications, each a process of
// its own that activates the module's layout through the manager and types "nih" and Escape round
// after round; the first key of a process against the same key in its later rounds, and the "h"
// that makes the first input of two syllables (the first phrase search) against its later rounds.
//
//   kellavor_module_figures <build install folder> <KellavorIme.ime> <work folder> [cycles] [processes]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ime/platform/win32/imm_device.h"
#include "tests/wine/ime_session.h"
#include "tests/wine/installed_module.h"

namespace {

using ImeInquireFunction = BOOL(WINAPI*)(IMEINFO*, wchar_t*, DWORD);

constexpr char kTypingProcess[] = "--typing-process";
constexpr int kTypingRounds = 20;

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

double Median(const std::vector<double>& values) { return Percentile(values, 0.5); }

void Report(const char* what, const std::vector<double>& values) {
  std::printf("%-34s n=%-3zu median %7.2f ms  p90 %7.2f ms  max %7.2f ms\n", what, values.size(), Median(values),
              Percentile(values, 0.9), Percentile(values, 1.0));
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

// What one typing process measured.
struct Typing {
  double sessionMs = 0;              // the layout activated, the window made, the module started
  std::vector<double> firstLetter;   // "n" of each round, the first key of the process first
  std::vector<double> secondLetter;  // "i" of each round
  std::vector<double> thirdLetter;   // "h" of each round: "nih", two syllables
  double privateBeforeMb = 0;
  double privateFirstKeyMb = 0;
  double privateEndMb = 0;
};

double TimedTap(kellavor::wine::ImeSession& session, UINT key) {
  LARGE_INTEGER t0, t1;
  QueryPerformanceCounter(&t0);
  session.Tap(key);
  QueryPerformanceCounter(&t1);
  return Milliseconds(t0, t1);
}

// The calls the session makes for every key besides the manager's and the module's (the character
// of the key, the module's file name), made once before the first key: their first calls in a
// process load the keyboard tables and read the registry, which a real application has done by
// the time it gets a key, and which are not the module's.
void WarmUpKeyTranslation(HKL layout) {
  BYTE keyState[256] = {};
  wchar_t character = 0;
  ToUnicodeEx('N', MapVirtualKeyW('N', MAPVK_VK_TO_VSC), keyState, &character, 1, 0, layout);
  wchar_t file[MAX_PATH] = {};
  ImmGetIMEFileNameW(layout, file, MAX_PATH);
}

// The typing process: writes its figures to the result file, one per line.
int TypingProcess(const std::filesystem::path& installFolder, const std::filesystem::path& resultFile) {
  const kellavor::wine::InstalledModule installed =
      kellavor::wine::RegisterModule(installFolder, L"KellavorIme.ime");
  Typing typing;
  typing.privateBeforeMb = CommittedMemory().privateMb;
  LARGE_INTEGER t0, t1;
  QueryPerformanceCounter(&t0);
  kellavor::wine::ImeSession session(installed.layout);
  QueryPerformanceCounter(&t1);
  typing.sessionMs = Milliseconds(t0, t1);
  WarmUpKeyTranslation(installed.layout);
  for (int round = 0; round < kTypingRounds; ++round) {
    typing.firstLetter.push_back(TimedTap(session, 'N'));
    if (round == 0) typing.privateFirstKeyMb = CommittedMemory().privateMb;
    typing.secondLetter.push_back(TimedTap(session, 'I'));
    typing.thirdLetter.push_back(TimedTap(session, 'H'));
    session.Tap(VK_ESCAPE);
    session.TakeMessages();
  }
  typing.privateEndMb = CommittedMemory().privateMb;
  std::ofstream out(resultFile);
  out << typing.sessionMs << ' ' << typing.privateBeforeMb << ' ' << typing.privateFirstKeyMb << ' '
      << typing.privateEndMb << '\n';
  for (int round = 0; round < kTypingRounds; ++round) {
    const auto r = static_cast<size_t>(round);
    out << typing.firstLetter[r] << ' ' << typing.secondLetter[r] << ' ' << typing.thirdLetter[r] << '\n';
  }
  return out ? 0 : 1;
}

bool RunTypingProcess(const std::filesystem::path& installFolder, const std::filesystem::path& resultFile,
                      Typing& typing) {
  std::filesystem::remove(resultFile);
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + std::filesystem::path(kTypingProcess).wstring() +
                             L" \"" + installFolder.wstring() + L"\" \"" + resultFile.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::ifstream in(resultFile);
  in >> typing.sessionMs >> typing.privateBeforeMb >> typing.privateFirstKeyMb >> typing.privateEndMb;
  for (int round = 0; round < kTypingRounds; ++round) {
    double first = 0;
    double second = 0;
    double third = 0;
    in >> first >> second >> third;
    typing.firstLetter.push_back(first);
    typing.secondLetter.push_back(second);
    typing.thirdLetter.push_back(third);
  }
  return static_cast<bool>(in);
}

void ReportTyping(const std::vector<Typing>& processes) {
  std::vector<double> sessions, firstKeys, laterKeys, extra, secondFirst, secondLater, thirdFirst, thirdLater,
      firstKeyMemory;
  for (const Typing& typing : processes) {
    sessions.push_back(typing.sessionMs);
    firstKeys.push_back(typing.firstLetter[0]);
    secondFirst.push_back(typing.secondLetter[0]);
    const std::vector<double> later(typing.firstLetter.begin() + 1, typing.firstLetter.end());
    laterKeys.insert(laterKeys.end(), later.begin(), later.end());
    secondLater.insert(secondLater.end(), typing.secondLetter.begin() + 1, typing.secondLetter.end());
    thirdFirst.push_back(typing.thirdLetter[0]);
    thirdLater.insert(thirdLater.end(), typing.thirdLetter.begin() + 1, typing.thirdLetter.end());
    extra.push_back(typing.firstLetter[0] - Median(later));
    firstKeyMemory.push_back(typing.privateFirstKeyMb - typing.privateBeforeMb);
  }
  std::printf("typing processes                   %zu, each %d rounds of \"nih\" and Escape\n", processes.size(),
              kTypingRounds);
  Report("application start with the module", sessions);
  Report("first key \"n\" of a process", firstKeys);
  Report("later keys \"n\"", laterKeys);
  Report("first key minus later, per process", extra);
  Report("second key \"i\", first round", secondFirst);
  Report("second key \"i\", later rounds", secondLater);
  Report("third key \"h\", first round", thirdFirst);
  Report("third key \"h\", later rounds", thirdLater);
  std::printf("private memory added, load to first key  median %.2f MB (process %.2f MB before, %.2f MB after %d rounds)\n",
              Median(firstKeyMemory), processes[0].privateBeforeMb, processes[0].privateEndMb, kTypingRounds);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == kTypingProcess) return TypingProcess(argv[2], argv[3]);
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s <build install folder> <module> <work folder> [cycles] [processes]\n", argv[0]);
    return 2;
  }
  const int cycles = argc > 4 ? std::max(2, std::atoi(argv[4])) : 10;
  const int processes = argc > 5 ? std::max(0, std::atoi(argv[5])) : 10;
  const std::filesystem::path work = argv[3];
  const kellavor::wine::InstalledModule installed =
      kellavor::wine::InstallModule(argv[1], argv[2], work / "Kellavor IME");
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
  std::printf("flavour                            %s\n", sizeof(void*) == 8 ? "x86_64" : "i686");
  std::printf("load cycles                        %d\n", cycles);
  std::printf("LoadLibrary, first                 %7.2f ms\n", runs[0].loadMs);
  Report("LoadLibrary, later cycles", load);
  std::printf("start (ImeInquire), first          %7.2f ms\n", runs[0].startMs);
  Report("start (ImeInquire), later cycles", start);
  const Memory after = CommittedMemory();
  std::printf("committed memory                   private    mapped\n");
  std::printf("  before the load                  %7.2f MB %7.2f MB\n", runs[0].before.privateMb, runs[0].before.mappedMb);
  std::printf("  after LoadLibrary                %7.2f MB %7.2f MB\n", runs[0].loaded.privateMb, runs[0].loaded.mappedMb);
  std::printf("  after the start                  %7.2f MB %7.2f MB\n", runs[0].started.privateMb, runs[0].started.mappedMb);
  std::printf("  after %2d cycles                  %7.2f MB %7.2f MB\n", cycles, after.privateMb, after.mappedMb);
  if (processes == 0) return 0;
  std::vector<Typing> typing(static_cast<size_t>(processes));
  for (Typing& process : typing) {
    if (!RunTypingProcess(installed.installFolder, work / "typing-process.txt", process)) {
      std::fprintf(stderr, "a typing process failed\n");
      return 1;
    }
  }
  ReportTyping(typing);
  return 0;
}
