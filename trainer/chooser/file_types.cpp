// Multi-Open's file types. The labels' double blanks are as the device shows them.
#include "chooser/file_types.h"

namespace morvane {

const std::vector<FileType>& multiOpenFileTypes() {
  static const std::vector<FileType> types{
      {L"GB Files  (*.GB)", L"*.gb"},   {L"B5 Files  (*.B5)", L"*.b5"},
      {L"EUC Files (*.EUC)", L"*.euc"}, {L"JIS Files  (*.JIS)", L"*.jis"},
      {L"EUCK Files (*.EUK)", L"*.euk"}, {L"KF Files (*.KF)", L"*.kf"},
      {L"All Files  (*.*)", L"*.*"},
  };
  return types;
}

}  // namespace morvane
