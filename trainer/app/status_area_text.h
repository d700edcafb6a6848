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

}  // namespace morvane
