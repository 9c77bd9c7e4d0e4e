// The simulated windows of this process: SendCopyData delivers to the most recently created
// receiver of the class and title, as a lookup by class and title finds one window of them.
#include <algorithm>
#include <cstring>
#include <mutex>

#include "ime/platform/copy_data.h"
#include "ime/platform/copy_data_receiver.h"

namespace kellavor::platform {

struct CopyDataReceiver::Window {
  std::u16string className;
  std::u16string title;
  std::vector<CopyDataMessage> received;
};

namespace {

struct Windows {
  std::mutex lock;
  std::vector<CopyDataReceiver::Window*> open;
};

Windows& OpenWindows() {
  static Windows windows;
  return windows;
}

}  // namespace

CopyDataReceiver::CopyDataReceiver(const std::u16string& className, const std::u16string& title)
    : window_(new Window{className, title, {}}) {
  Windows& windows = OpenWindows();
  std::lock_guard<std::mutex> guard(windows.lock);
  windows.open.push_back(window_.get());
}

CopyDataReceiver::~CopyDataReceiver() {
  Windows& windows = OpenWindows();
  std::lock_guard<std::mutex> guard(windows.lock);
  windows.open.erase(std::find(windows.open.begin(), windows.open.end(), window_.get()));
}

bool CopyDataReceiver::exists() const { return true; }

const std::vector<CopyDataMessage>& CopyDataReceiver::received() const { return window_->received; }

bool SendCopyData(const std::u16string& className, const std::u16string& title, uintptr_t dwData,
                  const void* data, size_t size) {
  Windows& windows = OpenWindows();
  std::lock_guard<std::mutex> guard(windows.lock);
  const auto found = std::find_if(windows.open.rbegin(), windows.open.rend(), [&](const CopyDataReceiver::Window* window) {
    return window->className == className && window->title == title;
  });
  if (found == windows.open.rend()) return false;
  CopyDataMessage message;
  message.dwData = dwData;
  message.data.resize(size);
  if (size > 0) std::memcpy(message.data.data(), data, size);
  (*found)->received.push_back(std::move(message));
  return true;
}

}  // namespace kellavor::platform
