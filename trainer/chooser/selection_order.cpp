// A selection sort replayed on a tournament tree: each step finds the first
// largest of the unsorted prefix in O(log n) instead of a linear scan.
#include "chooser/selection_order.h"

#include <cwchar>

namespace morvane {

namespace {

class FirstMaxTree {
 public:
  // Positions hold indices into labels; kNone marks a position already sorted.
  static constexpr int32_t kNone = -1;

  FirstMaxTree(const std::vector<std::wstring>& labels, std::vector<int32_t>& slots)
      : labels_(labels), slots_(slots) {
    leaves_ = 1;
    while (leaves_ < static_cast<int32_t>(slots.size())) leaves_ *= 2;
    best_.assign(2 * leaves_, kNone);
    for (int32_t i = 0; i < static_cast<int32_t>(slots.size()); ++i) best_[leaves_ + i] = i;
    for (int32_t node = leaves_ - 1; node >= 1; --node) pull(node);
  }

  // The first position holding a largest label, or kNone.
  int32_t firstMax() const { return best_[1]; }

  // Re-reads position `pos` after its slot changed (or left the prefix).
  void refresh(int32_t pos, bool inPrefix) {
    int32_t node = leaves_ + pos;
    best_[node] = inPrefix ? pos : kNone;
    for (node /= 2; node >= 1; node /= 2) pull(node);
  }

 private:
  // The left child wins ties, so the earliest position of the largest label rises.
  void pull(int32_t node) {
    int32_t left = best_[2 * node];
    int32_t right = best_[2 * node + 1];
    if (left == kNone || (right != kNone && greater(right, left))) {
      best_[node] = right;
    } else {
      best_[node] = left;
    }
  }

  bool greater(int32_t posA, int32_t posB) const {
    return std::wcscmp(labels_[slots_[posA]].c_str(), labels_[slots_[posB]].c_str()) > 0;
  }

  const std::vector<std::wstring>& labels_;
  const std::vector<int32_t>& slots_;
  int32_t leaves_ = 1;
  std::vector<int32_t> best_;
};

}  // namespace

std::vector<int32_t> selectionSortOrder(const std::vector<std::wstring>& labels) {
  std::vector<int32_t> slots(labels.size());
  for (size_t i = 0; i < slots.size(); ++i) slots[i] = static_cast<int32_t>(i);
  if (slots.size() < 2) return slots;

  FirstMaxTree tree(labels, slots);
  for (int32_t j = static_cast<int32_t>(slots.size()); j >= 2; --j) {
    int32_t largest = tree.firstMax();
    int32_t last = j - 1;
    std::swap(slots[largest], slots[last]);
    tree.refresh(last, false);
    if (largest != last) tree.refresh(largest, true);
  }
  return slots;
}

}  // namespace morvane
