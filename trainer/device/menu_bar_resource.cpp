// Parsing of the menu bar resource.
#include "device/menu_bar_resource.h"

namespace morvane::device {

namespace {

constexpr size_t kWordsPerButton = 7;

uint16_t wordAt(const uint8_t* data, size_t index) {
  return static_cast<uint16_t>(data[2 * index] | (data[2 * index + 1] << 8));
}

}  // namespace

bool parseMenuBarResource(const uint8_t* data, size_t size, MenuBarResource& out) {
  out = MenuBarResource{};
  if (data == nullptr || size < 4) return false;
  size_t words = size / 2;
  out.menuId = wordAt(data, 0);
  size_t count = wordAt(data, 1);
  size_t fitting = (words - 2) / kWordsPerButton;
  if (count > fitting) count = fitting;
  for (size_t i = 0; i < count; ++i) {
    size_t w = 2 + i * kWordsPerButton;
    MenuBarButton b;
    b.image = wordAt(data, w);
    b.command = wordAt(data, w + 1);
    b.state = wordAt(data, w + 2);
    b.style = wordAt(data, w + 3);
    b.labelId = wordAt(data, w + 4);
    b.popupIndex = wordAt(data, w + 6);
    out.buttons.push_back(b);
  }
  return true;
}

}  // namespace morvane::device
