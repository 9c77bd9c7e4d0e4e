// A task run once the thread that set it up next takes its posted messages, out of the way of the
// call that set it up: a message-only window posts itself a message and runs the task when the
// message arrives. A message-only window costs a fraction of a millisecond to make, where a
// top-level window costs tens of milliseconds under some window systems.
#pragma once

#include <windows.h>

#include <functional>

namespace kellavor::module {

class PostedTask {
 public:
  // Without a window to post to, the task runs at once.
  PostedTask(HINSTANCE instance, std::function<void()> task);
  // A task that has not run yet never runs.
  ~PostedTask();
  PostedTask(const PostedTask&) = delete;
  PostedTask& operator=(const PostedTask&) = delete;

 private:
  void Run();
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  std::function<void()> task_;
  HWND window_ = nullptr;
};

}  // namespace kellavor::module
