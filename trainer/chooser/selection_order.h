// The order in which a selection sort leaves a list of labels, computed in
// O(n log n) so that folders with thousands of files sort without a wait.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

// The permutation a selection sort in ascending wcscmp order produces: for j
// from n down to 2, the first largest label among positions 0 .. j-1 is
// swapped with position j-1. Entry k of the result is the index in `labels`
// of the label that ends at position k. Equal labels end in exactly the
// order that sort leaves them (it is not stable).
std::vector<int32_t> selectionSortOrder(const std::vector<std::wstring>& labels);

}  // namespace morvane
