#include "ime/platform/local_time.h"

#include <windows.h>

namespace kellavor::platform {

LocalTime GetLocalTime() {
  SYSTEMTIME now {};
  ::GetLocalTime(&now);
  LocalTime time;
  time.year = now.wYear;
  time.month = now.wMonth;
  time.dayOfWeek = now.wDayOfWeek;
  time.day = now.wDay;
  time.hour = now.wHour;
  time.minute = now.wMinute;
  time.second = now.wSecond;
  time.milliseconds = now.wMilliseconds;
  return time;
}

}  // namespace kellavor::platform
