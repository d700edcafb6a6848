// Taps on the study screen's views.
#include "app/study_view.h"

namespace morvane {

void StudyView::OnLButtonUp(WPARAM keys, uint16_t x, uint16_t y) {
  if (strokeDataApplies) {
    MarkedJpnDisplay::OnLButtonUp(keys, x, y);
    return;
  }
  lastX = -1;
  dragDistance = 0;
  pressed = 0;
}

}  // namespace morvane
