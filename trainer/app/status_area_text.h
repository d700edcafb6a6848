// The score text of the status line, apart from the window so that it can be
// tested anywhere.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

// "right / answered = percent% (total)", each number padded to three places,
// where answered = right + wrong and percent truncates (100 with no answer
// yet); "Done" when total is 0.
std::wstring FormatScoreLine(int32_t rightCount, int32_t wrongCount, int32_t total);

// Where the two texts of a status line go, in pixels from its left edge.
struct StatusLineBoxes {
  int32_t scoreLeft = 0;
  int32_t labelLeft = 0;
  int32_t labelRight = 0;
};

// The score starts `indent` from the left and is always whole; the label
// ends `indent` before the right edge and has the room the score leaves,
// one indent after it (none when the score fills the line).
StatusLineBoxes statusLineBoxes(int32_t width, int32_t indent, int32_t scoreWidth);

}  // namespace morvane
