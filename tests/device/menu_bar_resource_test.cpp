// The menu bar resource's words.
#include <gtest/gtest.h>

#include <vector>

#include "device/menu_bar_resource.h"

namespace morvane::device {
namespace {

std::vector<uint8_t> words(std::initializer_list<uint16_t> values) {
  std::vector<uint8_t> bytes;
  for (uint16_t v : values) {
    bytes.push_back(static_cast<uint8_t>(v & 0xff));
    bytes.push_back(static_cast<uint8_t>(v >> 8));
  }
  return bytes;
}

TEST(MenuBarResource, ReadsEveryButton) {
  auto data = words({101, 2, 0xfffe, 201, 4, 0x18, 202, 0, 0, 0xfffe, 205, 4, 0x18, 206, 0, 1});
  MenuBarResource r;
  ASSERT_TRUE(parseMenuBarResource(data.data(), data.size(), r));
  EXPECT_EQ(r.menuId, 101);
  ASSERT_EQ(r.buttons.size(), 2u);
  EXPECT_EQ(r.buttons[1].command, 205);
  EXPECT_EQ(r.buttons[1].labelId, 206);
  EXPECT_EQ(r.buttons[1].popupIndex, 1);
  EXPECT_EQ(r.buttons[0].style, 0x18);
}

TEST(MenuBarResource, CountBeyondTheDataKeepsWholeButtons) {
  auto data = words({101, 9, 0xfffe, 201, 4, 0x18, 202, 0, 3, 0xfffe, 205});
  MenuBarResource r;
  ASSERT_TRUE(parseMenuBarResource(data.data(), data.size(), r));
  ASSERT_EQ(r.buttons.size(), 1u);
  EXPECT_EQ(r.buttons[0].popupIndex, 3);
}

TEST(MenuBarResource, TooShortIsRejected) {
  auto data = words({101});
  MenuBarResource r;
  EXPECT_FALSE(parseMenuBarResource(data.data(), data.size(), r));
  EXPECT_FALSE(parseMenuBarResource(nullptr, 0, r));
}

}  // namespace
}  // namespace morvane::device
