// The user-interface clock on Windows: GetTickCount and Sleep.
#include <windows.h>

#include "platform/clock.h"

namespace morvane {
namespace {

class PlatformClock : public Clock {
 public:
  uint32_t TickCount() override { return GetTickCount(); }
  void Sleep(uint32_t ms) override { ::Sleep(ms); }
};

PlatformClock platformClock;
Clock* currentClock = &platformClock;

}  // namespace

Clock& uiClock() { return *currentClock; }

void setUiClock(Clock* clock) { currentClock = clock ? clock : &platformClock; }

}  // namespace morvane
