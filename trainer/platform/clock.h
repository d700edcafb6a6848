// The time services of the user-interface thread: the millisecond tick count
// and the blocking pause. The animation and the display windows take them from
// here so that tests can replace them and nothing has to wait.
#pragma once

#include <cstdint>

namespace morvane {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start, wrapping at 2^32 (GetTickCount).
  virtual uint32_t TickCount() = 0;
  // Blocks the thread for ms milliseconds without processing messages (Sleep).
  virtual void Sleep(uint32_t ms) = 0;
};

// The clock in use: the platform's unless a test installed its own.
Clock& uiClock();
// Installs a replacement clock; none restores the platform's.
void setUiClock(Clock* clock);

}  // namespace morvane
