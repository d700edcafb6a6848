// A rectangle as the layout arithmetic gives it: origin and size in pixels.
#pragma once

#include <cstdint>

namespace morvane {

struct LayoutBox {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

}  // namespace morvane
