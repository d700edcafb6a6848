// Score text formatting.
#include "app/status_area_text.h"

#include <cwchar>

namespace morvane {

std::wstring FormatScoreLine(int32_t rightCount, int32_t wrongCount, int32_t total) {
  if (total == 0) return L"Done";
  // 64-bit, so that no count the main window may write overflows here.
  const int64_t answered = static_cast<int64_t>(rightCount) + wrongCount;
  const int64_t percent = answered == 0 ? 100 : static_cast<int64_t>(rightCount) * 100 / answered;
  wchar_t text[96];
  std::swprintf(text, sizeof text / sizeof text[0], L"%3lld / %3lld = %3lld%% (%3d)",
                static_cast<long long>(rightCount), static_cast<long long>(answered),
                static_cast<long long>(percent), static_cast<int>(total));
  return text;
}

StatusLineBoxes statusLineBoxes(int32_t width, int32_t indent, int32_t scoreWidth) {
  StatusLineBoxes boxes;
  boxes.scoreLeft = indent;
  boxes.labelRight = width - indent;
  const int32_t afterScore = indent + scoreWidth + indent;
  boxes.labelLeft = afterScore < boxes.labelRight ? afterScore : boxes.labelRight;
  return boxes;
}

}  // namespace morvane
