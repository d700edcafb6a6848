// The filter list of "Open...".
#include "app/open_filter.h"

namespace morvane {

std::wstring openFileFilter() {
  static const wchar_t kPairs[][2][20] = {
      {L"GB Files (*.GB)", L"*.gb"},     {L"BIG5 Files (*.B5)", L"*.b5"},
      {L"EUC Files (*.EUC)", L"*.euc"},  {L"JIS Files (*.JIS)", L"*.jis"},
      {L"EUCK Files (*.EUK)", L"*.euk"}, {L"KF Files (*.KF)", L"*.kf"},
      {L"All Files (*.*)", L"*.*"},
  };
  std::wstring filter;
  for (const auto& pair : kPairs) {
    filter.append(pair[0]).push_back(L'\0');
    filter.append(pair[1]).push_back(L'\0');
  }
  filter.push_back(L'\0');
  return filter;
}

}  // namespace morvane
