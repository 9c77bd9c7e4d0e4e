// The receiving end of SendCopyData: a top-level window of a class and title that keeps every
// copy-data block it gets. Used by tests, and by programs that play the other side.
// Windows: a real hidden window owned by the calling thread (blocks from other threads or
// programs arrive while that thread dispatches messages; from the same thread at once). Natively:
// a simulated window that SendCopyData in the same process finds and delivers to; without one no
// window "exists" and every block is dropped.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kellavor::platform {

struct CopyDataMessage {
  uintptr_t dwData = 0;
  std::vector<uint8_t> data;
};

class CopyDataReceiver {
 public:
  CopyDataReceiver(const std::u16string& className, const std::u16string& title);
  ~CopyDataReceiver();
  CopyDataReceiver(const CopyDataReceiver&) = delete;
  CopyDataReceiver& operator=(const CopyDataReceiver&) = delete;

  // False when the window could not be created.
  bool exists() const;
  // Every block received so far, oldest first.
  const std::vector<CopyDataMessage>& received() const;

  struct Window;

 private:
  std::unique_ptr<Window> window_;
};

}  // namespace kellavor::platform
