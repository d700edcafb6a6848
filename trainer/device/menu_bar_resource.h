// The menu bar resource (the handheld's SHMENUBAR description, stored as
// RCDATA): which menu it opens and its buttons. Platform-neutral.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane::device {

// One drop-down button: its command, the string id of its label and the
// position of the pop-up it opens in the menu.
struct MenuBarButton {
  uint16_t image = 0;
  uint16_t command = 0;
  uint16_t state = 0;
  uint16_t style = 0;
  uint16_t labelId = 0;
  uint16_t popupIndex = 0;
};

struct MenuBarResource {
  uint16_t menuId = 0;
  std::vector<MenuBarButton> buttons;
};

// Parses the words of the resource: menu id, button count, then seven words
// per button (image, command, state, style, label string id, 0, pop-up
// index). A count larger than the data holds is cut to the whole buttons
// present. False when not even the two header words are there.
bool parseMenuBarResource(const uint8_t* data, size_t size, MenuBarResource& out);

}  // namespace morvane::device
