// A linear congruential generator of the classic C library kind, so the
// range is 0..32767 on every platform.
#include "lesson/random.h"

#include <chrono>
#include <ctime>

namespace morvane {

namespace {

uint32_t state = 1;

}  // namespace

void seedRandom(uint32_t seed) { state = seed; }

int32_t nextRandom() {
  state = state * 214013u + 2531011u;
  return static_cast<int32_t>((state >> 16) & 0x7FFF);
}

uint32_t timeOfDaySeed() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t seconds = system_clock::to_time_t(now);
  std::tm* local = std::localtime(&seconds);
  int millis = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  if (!local) return static_cast<uint32_t>(millis);
  return seedForTime(local->tm_min, local->tm_sec, millis);
}

uint32_t seedForTime(int minute, int second, int millisecond) {
  return static_cast<uint32_t>(minute * 2000 + second * 1000 + millisecond);
}

int32_t randomIndex(int32_t count) {
  float fraction = static_cast<float>(nextRandom() * (1.0 / 32768.0));
  double product = static_cast<double>(static_cast<float>(count)) * fraction;
  return static_cast<int32_t>(static_cast<float>(product));
}

}  // namespace morvane
