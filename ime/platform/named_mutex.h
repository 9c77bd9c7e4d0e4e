// A mutex shared by the processes of the user's session, found by name. A holder that dies
// releases it. Not recursive: a thread must not lock one NamedMutex object twice.
#pragma once

#include <cstdint>
#include <string>

namespace kellavor::platform {

class NamedMutex {
 public:
  explicit NamedMutex(const std::u16string& name);
  ~NamedMutex();
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;

  // False when the mutex could not be created; Lock and Unlock then do nothing, so callers go on
  // unguarded rather than not at all.
  bool valid() const { return handle_ != -1; }
  void Lock();
  void Unlock();

 private:
  intptr_t handle_ = -1;
};

// Holds a NamedMutex for the length of a scope.
class NamedMutexLock {
 public:
  explicit NamedMutexLock(NamedMutex& mutex) : mutex_(mutex) { mutex_.Lock(); }
  ~NamedMutexLock() { mutex_.Unlock(); }
  NamedMutexLock(const NamedMutexLock&) = delete;
  NamedMutexLock& operator=(const NamedMutexLock&) = delete;

 private:
  NamedMutex& mutex_;
};

}  // namespace kellavor::platform
