// The file types "Open..." offers, as the file dialog's filter list.
#pragma once

#include <string>

namespace morvane {

// Pairs of description and pattern, each ended by a zero character, the list
// ended by another: GB, BIG5, EUC, JIS, EUCK, KF, then all files.
std::wstring openFileFilter();

}  // namespace morvane
