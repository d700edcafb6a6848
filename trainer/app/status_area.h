// The one-line strip at the bottom of the study screen: the score of the
// current pass on the left, the name of the open lesson on the right.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/status_area_text.h"
#include "ui/window.h"

namespace morvane {

class StatusArea : public Window {
 public:
  // Creates the window (class "StatusArea", static-area background) at
  // 0, 0, 0 x 0 in the parent, with no score and an empty label.
  StatusArea(HWND parentWindow, HINSTANCE moduleInstance);

  // Draws the border, then the score text and the label, vertically centred
  // and clipped 2 pixels inside the window; a label the score leaves too
  // little room for ends in an ellipsis.
  void OnPaint(HDC hdc) override;

  // Where the score and the label go with the font selected into hdc.
  StatusLineBoxes textBoxes(HDC hdc) const;

  // Keeps a copy of the text as the label; none means empty.
  void setLabel(const wchar_t* text);

  // Written directly by the main window.
  int32_t rightCount = 0;
  int32_t wrongCount = 0;
  int32_t total = 0;
  std::wstring label;
  // Dialog base units, read at creation.
  uint16_t textIndent = 0;
  uint16_t lineHeight = 0;
};

}  // namespace morvane
