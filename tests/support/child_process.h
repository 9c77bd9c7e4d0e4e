// Runs this test program again as a child process, for tests that need several processes at once:
// the child selects its part by its arguments (a test filter) and reads its orders from one
// environment variable set for it alone.
#pragma once

#ifdef _WIN32
#include "tests/support/win32/child_process.h"
#else
#include "tests/support/posix/child_process.h"
#endif
