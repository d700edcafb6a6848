// The file chooser's layout arithmetic.
#include "chooser/chooser_layout.h"

namespace morvane {

LayoutBox centredOver(const LayoutBox& owner, int32_t width, int32_t height) {
  return {owner.x + (owner.width - width) / 2, owner.y + (owner.height - height) / 2, width,
          height};
}

ChooserLayout::ChooserLayout(int32_t dialogWidth, int32_t dialogHeight, int32_t baseUnitY,
                             int32_t frameX, int32_t frameY, int32_t captionY)
    : cw_(dialogWidth - 2 * frameX),
      ch_(dialogHeight - 2 * frameY - captionY),
      gap_(baseUnitY * 7 / 4) {}

LayoutBox ChooserLayout::folderCombo() const {
  return {cw_ / 4 + 1, 0, comboWidth(), ch_ - gap_ - 2};
}

LayoutBox ChooserLayout::folderLabel(int32_t folderHeight) const {
  return {0, 0, labelWidth(), folderHeight};
}

LayoutBox ChooserLayout::typeCombo(int32_t folderHeight) const {
  return {cw_ / 4 + 1, folderHeight + 2, comboWidth(), ch_ - 2 * (folderHeight + 2)};
}

LayoutBox ChooserLayout::typeLabel(int32_t typeHeight) const {
  return {0, typeHeight + 2, labelWidth(), typeHeight};
}

LayoutBox ChooserLayout::fileHeader(int32_t typeHeight) const {
  return {0, 2 * (typeHeight + 2), cw_ / 2, headerHeight(typeHeight)};
}

LayoutBox ChooserLayout::folderHeader(int32_t typeHeight) const {
  return {cw_ / 2, 2 * (typeHeight + 2), cw_ / 2, headerHeight(typeHeight)};
}

LayoutBox ChooserLayout::fileList(int32_t typeHeight) const {
  const int32_t top = headerHeight(typeHeight) + 2 * (typeHeight + 2);
  return {0, top, cw_, ch_ - top};
}

}  // namespace morvane
