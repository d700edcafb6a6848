// The chooser's sort: the order a selection sort leaves, equal labels included.
#include "chooser/selection_order.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <random>

namespace morvane {
namespace {

// The selection sort itself: the reference the fast order must match.
std::vector<int32_t> referenceOrder(std::vector<std::wstring> labels) {
  std::vector<int32_t> order(labels.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int32_t>(i);
  for (size_t j = labels.size(); j >= 2; --j) {
    size_t largest = 0;
    for (size_t k = 1; k < j; ++k) {
      if (std::wcscmp(labels[k].c_str(), labels[largest].c_str()) > 0) largest = k;
    }
    std::swap(labels[largest], labels[j - 1]);
    std::swap(order[largest], order[j - 1]);
  }
  return order;
}

TEST(SelectionSortOrder, EmptyAndSingleListsStayAsTheyAre) {
  EXPECT_TRUE(selectionSortOrder({}).empty());
  EXPECT_EQ(selectionSortOrder({L"z"}), std::vector<int32_t>{0});
}

TEST(SelectionSortOrder, EqualLabelsEndWhereTheSelectionSortLeavesThem) {
  // b0 goes last first, then b2 stays; the a's swap twice: a1 before a3,
  // while the b's end reversed.
  EXPECT_EQ(selectionSortOrder({L"b", L"a", L"b", L"a"}), (std::vector<int32_t>{1, 3, 2, 0}));
}

TEST(SelectionSortOrder, ComparesByCharacterCodeWithCaseMattering) {
  // 'B' (0x42) < '_' (0x5F) < 'a' (0x61); a prefix sorts before its extensions.
  EXPECT_EQ(selectionSortOrder({L"a", L"_", L"B", L"ab"}), (std::vector<int32_t>{2, 1, 0, 3}));
}

TEST(SelectionSortOrder, MatchesTheSelectionSortOnRandomListsWithManyDuplicates) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::wstring> labels(random() % 60);
    for (std::wstring& label : labels) {
      label = std::wstring(1 + random() % 2, static_cast<wchar_t>(L'a' + random() % 4));
    }
    ASSERT_EQ(selectionSortOrder(labels), referenceOrder(labels)) << "round " << round;
  }
}

TEST(SelectionSortOrder, SortsThousandsOfLabels) {
  std::vector<std::wstring> labels;
  for (int i = 0; i < 20000; ++i) labels.push_back(std::to_wstring((i * 7919) % 20000));
  const std::vector<int32_t> order = selectionSortOrder(labels);
  for (size_t k = 1; k < order.size(); ++k) {
    ASSERT_LE(std::wcscmp(labels[order[k - 1]].c_str(), labels[order[k]].c_str()), 0);
  }
}

}  // namespace
}  // namespace morvane
