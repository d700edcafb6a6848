// The lesson's pseudo-random numbers: a process-wide generator with the
// 0..32767 range the scheduling arithmetic was designed for.
#pragma once

#include <cstdint>

namespace morvane {

// Restarts the sequence; the same seed gives the same numbers.
void seedRandom(uint32_t seed);

// The next number, 0 to 32767.
int32_t nextRandom();

// seedForTime of the local time of day.
uint32_t timeOfDaySeed();

// Minute × 2000 + second × 1000 + millisecond.
uint32_t seedForTime(int minute, int second, int millisecond);

// A random index below count (count > 0), scaled from nextRandom().
int32_t randomIndex(int32_t count);

}  // namespace morvane
