#include "viewer/win32/local_site.h"

#include <winsock2.h>

#include <vector>

#include "ime/platform/file_system.h"
#include "ime/platform/utf.h"

namespace kellavor::viewer {
namespace {

constexpr int kProbeMilliseconds = 300;
constexpr int kStartMilliseconds = 5000;
constexpr int kStartPollMilliseconds = 100;

bool IsRunning(HANDLE process) { return process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

}  // namespace

bool LoopbackAnswers(int port, int milliseconds) {
  SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) return false;
  u_long nonBlocking = 1;
  ioctlsocket(socket, FIONBIO, &nonBlocking);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bool answered = connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  if (!answered && WSAGetLastError() == WSAEWOULDBLOCK) {
    fd_set writable;
    FD_ZERO(&writable);
    FD_SET(socket, &writable);
    fd_set failed = writable;
    timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
    answered = select(0, nullptr, &writable, &failed, &wait) > 0 && FD_ISSET(socket, &writable) != 0;
  }
  closesocket(socket);
  return answered;
}

LocalSite::LocalSite(std::u16string installFolder, const std::string& host)
    : installFolder_(std::move(installFolder)), endpoint_(ParseSiteHost(host)) {
  WSADATA data{};
  socketsReady_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

LocalSite::~LocalSite() {
  // Closing the job ends the site it holds.
  if (process_ != nullptr) CloseHandle(process_);
  if (job_ != nullptr) CloseHandle(job_);
  if (socketsReady_) WSACleanup();
}

void LocalSite::EnsureRunning() {
  if (!socketsReady_ || !endpoint_.has_value() || !IsLoopback(*endpoint_) || IsRunning(process_)) return;
  if (LoopbackAnswers(endpoint_->port, kProbeMilliseconds)) return;
  const std::u16string program = installFolder_ + kSiteProgram;
  if (!platform::FileExists(program)) return;
  // The data folder without its trailing separator, which would escape the closing quote.
  std::u16string dataFolder = installFolder_;
  if (!dataFolder.empty() && platform::IsPathSeparator(dataFolder.back())) dataFolder.pop_back();
  const std::u16string commandLine = u"\"" + program + u"\" --data \"" + dataFolder + u"\" --port " +
                                     platform::AsciiToUtf16(std::to_string(endpoint_->port));
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  if (job_ == nullptr) {
    job_ = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job_ != nullptr) SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(reinterpret_cast<const wchar_t*>(program.c_str()), line.data(), nullptr, nullptr, FALSE,
                      CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, nullptr, &startup, &started)) {
    return;
  }
  if (job_ != nullptr) AssignProcessToJobObject(job_, started.hProcess);
  ResumeThread(started.hThread);
  CloseHandle(started.hThread);
  if (process_ != nullptr) CloseHandle(process_);
  process_ = started.hProcess;
  for (int waited = 0; waited < kStartMilliseconds && IsRunning(process_); waited += kStartPollMilliseconds) {
    if (LoopbackAnswers(endpoint_->port, kStartPollMilliseconds)) return;
    Sleep(kStartPollMilliseconds);
  }
}

}  // namespace kellavor::viewer
