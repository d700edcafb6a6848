// Where the file chooser's run-time controls go, in pixels of the dialog's
// client area: two rows of label and combo box, the two column headers and
// the file list below them. Measured heights come from the created combos.
#pragma once

#include <cstdint>

#include "base/layout_box.h"

namespace morvane {

// The origin that centres a window of the given size over its owner's
// rectangle (halves rounded toward zero, as C division does).
LayoutBox centredOver(const LayoutBox& owner, int32_t width, int32_t height);

class ChooserLayout {
 public:
  // dialogWidth/Height: the dialog's window size; baseUnitY: the high word of
  // GetDialogBaseUnits; the frame and caption sizes from GetSystemMetrics.
  ChooserLayout(int32_t dialogWidth, int32_t dialogHeight, int32_t baseUnitY, int32_t frameX,
                int32_t frameY, int32_t captionY);

  int32_t clientWidth() const { return cw_; }
  int32_t clientHeight() const { return ch_; }

  // The folder combo with its drop-down list.
  LayoutBox folderCombo() const;
  // folderHeight: the closed folder combo's height.
  LayoutBox folderLabel(int32_t folderHeight) const;
  LayoutBox typeCombo(int32_t folderHeight) const;
  // typeHeight: the closed type combo's height, for everything below.
  LayoutBox typeLabel(int32_t typeHeight) const;
  LayoutBox fileHeader(int32_t typeHeight) const;
  LayoutBox folderHeader(int32_t typeHeight) const;
  LayoutBox fileList(int32_t typeHeight) const;

 private:
  int32_t headerHeight(int32_t typeHeight) const { return 2 * typeHeight / 3; }
  int32_t comboWidth() const { return cw_ * 3 / 4 - 1; }
  int32_t labelWidth() const { return cw_ / 4 - 1; }

  int32_t cw_;
  int32_t ch_;
  int32_t gap_;  // room the folder combo's list leaves below it: 1.75 base units
};

}  // namespace morvane
