// Help on a desktop without a help page beside the program does nothing.
#include "device/help_viewer.h"

#include <gtest/gtest.h>

namespace morvane::device {
namespace {

TEST(HelpViewer, AMissingHelpPageFailsSilently) {
  EXPECT_FALSE(startHelpViewer(L"no-such-help-file.htc"));
}

}  // namespace
}  // namespace morvane::device
