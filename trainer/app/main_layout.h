// Where the study screen's children go: the three arrangements (portrait,
// landscape without canvas, landscape with canvas), computed from the main
// window's area, the dialog frame sizes, the menu bar's height and the
// dialog unit height. Platform-neutral.
#pragma once

#include <cstdint>

#include "base/layout_box.h"

namespace morvane {

struct LayoutInput {
  // The area; each edge is taken as a 16-bit unsigned value.
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t frameX = 0, frameY = 0;  // SM_CXDLGFRAME, SM_CYDLGFRAME
  int32_t menuBarHeight = 0;       // 0 without a menu bar
  int32_t unitHeight = 0;          // high word of the dialog base units
  bool landscape = false;
  bool showCanvas = true;
};

struct Edges {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct MainLayout {
  // The area inset by the frame sizes: the window's stored rectangle.
  Edges area;
  int32_t markHeight = 0;  // of the Hanzi view
  bool canvasShown = true;
  LayoutBox meaning, reading, hanzi, show, restart, right, wrong, canvas, status;
};

MainLayout computeLayout(const LayoutInput& in);

}  // namespace morvane
