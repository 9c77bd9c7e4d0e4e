// The local date and time of the machine.
#pragma once

#include <cstdint>

namespace kellavor::platform {

struct LocalTime {
  uint16_t year = 0;
  uint16_t month = 0;      // 1 to 12
  uint16_t dayOfWeek = 0;  // 0 Sunday to 6
  uint16_t day = 0;        // 1 to 31
  uint16_t hour = 0;       // 0 to 23
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t milliseconds = 0;
};

LocalTime GetLocalTime();

}  // namespace kellavor::platform
