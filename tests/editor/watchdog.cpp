// Ends a stuck run of the Windows editor tests (say, a modal box nobody
// answers) instead of leaving it hanging.
#include "win32_test_support.h"

namespace {

struct Watchdog {
  Watchdog() { quillmark::fakes::startWatchdog(120); }
} watchdog;

}  // namespace
