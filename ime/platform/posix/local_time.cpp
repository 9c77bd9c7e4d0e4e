#include "ime/platform/local_time.h"

#include <sys/time.h>

#include <ctime>

namespace kellavor::platform {

LocalTime GetLocalTime() {
  timeval now {};
  gettimeofday(&now, nullptr);
  tm parts {};
  localtime_r(&now.tv_sec, &parts);
  LocalTime time;
  time.year = static_cast<uint16_t>(parts.tm_year + 1900);
  time.month = static_cast<uint16_t>(parts.tm_mon + 1);
  time.dayOfWeek = static_cast<uint16_t>(parts.tm_wday);
  time.day = static_cast<uint16_t>(parts.tm_mday);
  time.hour = static_cast<uint16_t>(parts.tm_hour);
  time.minute = static_cast<uint16_t>(parts.tm_min);
  time.second = static_cast<uint16_t>(parts.tm_sec);
  time.milliseconds = static_cast<uint16_t>(now.tv_usec / 1000);
  return time;
}

}  // namespace kellavor::platform
