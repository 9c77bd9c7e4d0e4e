// WriteHold keeps a file open the way another program does that lets others read the file but
// not write it, so that tests can make a private-profile write fail while reads still work.
#pragma once

#ifdef _WIN32
#include "tests/support/win32/write_hold.h"
#else
#include "tests/support/posix/write_hold.h"
#endif
