// The study screen's layout arithmetic (all divisions truncate).
#include "app/main_layout.h"

#include <algorithm>

namespace morvane {

namespace {

int32_t low16(int32_t v) { return static_cast<uint16_t>(v); }

// Heights derived from the dialog unit height.
struct Rows {
  int32_t buttonHeight, rowHeight, rowStep, buttonStep, markHeight;
};

Rows rowsFor(int32_t u, int32_t cyf) {
  Rows r;
  r.buttonHeight = 3 * u / 2;
  r.rowHeight = 7 * u / 4;
  r.rowStep = r.rowHeight + cyf;
  r.buttonStep = r.buttonHeight + cyf;
  r.markHeight = 7 * r.rowHeight / 16;
  return r;
}

void portrait(MainLayout& m, const Rows& r, int32_t avail, int32_t cxf, int32_t cyf) {
  const int32_t L = m.area.left, T = m.area.top, W = m.area.right - m.area.left;
  const int32_t hanziHeight = 7 * r.rowHeight / 4 + r.markHeight;
  m.meaning = {L, T, W, r.rowHeight};
  m.reading = {L, T + r.rowStep, W, r.rowHeight};
  m.hanzi = {L, T + 2 * r.rowStep, W, hanziHeight};
  const int32_t rowY = T + 2 * r.rowStep + hanziHeight + cyf;
  const int32_t half = (W - cxf) / 2;
  m.show = {L, rowY, W, r.buttonHeight};
  m.restart = m.show;
  m.right = {L, rowY, half, r.buttonHeight};
  m.wrong = {L + half + cxf, rowY, half, r.buttonHeight};
  m.canvas = {L, rowY + r.buttonStep, W,
              avail - 2 * r.rowStep - hanziHeight - 2 * r.buttonStep - cyf};
  m.status = {L, T + avail - r.buttonHeight, W, r.buttonHeight};
  m.canvasShown = true;
}

void landscapeWithoutCanvas(MainLayout& m, const Rows& r, int32_t avail, int32_t cxf,
                            int32_t cyf) {
  const int32_t L = m.area.left, T = m.area.top, W = m.area.right - m.area.left;
  m.meaning = {L, T, W, r.rowHeight};
  m.reading = {L, T + r.rowStep, W, r.rowHeight};
  m.hanzi = {L, T + 2 * r.rowStep, W, avail - 2 * (r.rowStep + r.buttonStep) - cyf};
  const int32_t rowY = m.area.bottom - 2 * r.buttonStep;
  const int32_t half = (m.area.right - L - cxf) / 2;
  m.show = {L, rowY, W, r.buttonHeight};
  m.restart = m.show;
  m.right = {L, rowY, half, r.buttonHeight};
  m.wrong = {L + half + cxf, rowY, half, r.buttonHeight};
  m.status = {L, m.area.bottom - r.buttonStep, W, r.buttonStep};
  m.canvasShown = false;
}

void landscapeWithCanvas(MainLayout& m, const Rows& r, int32_t avail, int32_t cxf, int32_t cyf) {
  landscapeWithoutCanvas(m, r, avail, cxf, cyf);
  const int32_t L = m.area.left, T = m.area.top, W = m.area.right - m.area.left;
  const int32_t col = (W - cxf) / 2;
  m.meaning.width = col;
  m.reading.width = col;
  m.hanzi.width = col;
  const int32_t rowY = m.area.bottom - 2 * r.buttonStep;
  const int32_t bw = (m.area.right - 2 * cxf - L - col) / 2;
  m.show = {L, rowY, col, r.buttonHeight};
  m.restart = m.show;
  m.right = {L, rowY, bw, r.buttonHeight};
  m.wrong = {L + bw + cxf, rowY, bw, r.buttonHeight};
  m.canvas = {L + col + cxf, T, col, avail - r.buttonStep - cyf};
  m.canvasShown = true;
}

}  // namespace

MainLayout computeLayout(const LayoutInput& in) {
  MainLayout m;
  const int32_t cxf = in.frameX, cyf = in.frameY;
  m.area.right = std::max(0, low16(in.right) - cxf);
  m.area.bottom = std::max(0, low16(in.bottom) - cyf);
  m.area.left = std::min(low16(in.left) + cxf, m.area.right);
  m.area.top = std::min(low16(in.top) + cyf, m.area.bottom);
  const int32_t avail = std::max(0, m.area.bottom - in.menuBarHeight - m.area.top);
  const Rows r = rowsFor(in.unitHeight, cyf);
  m.markHeight = r.markHeight;
  if (!in.landscape) {
    portrait(m, r, avail, cxf, cyf);
  } else if (!in.showCanvas) {
    landscapeWithoutCanvas(m, r, avail, cxf, cyf);
  } else {
    landscapeWithCanvas(m, r, avail, cxf, cyf);
  }
  return m;
}

}  // namespace morvane
