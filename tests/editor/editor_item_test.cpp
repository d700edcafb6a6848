// Items' texts in their shared blocks: fields that change width, copies and
// moves, the field limit, and many items made and dropped side by side.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/editor_item.h"
#include "core/text_blocks.h"
#include "editor_test_support.h"

namespace quillmark {
namespace {

using fakes::makeItem;

void expectTexts(const EditorItem& item, const std::wstring& hanzi, const std::wstring& reading,
                 const std::wstring& meaning) {
  EXPECT_EQ(item.fieldText(Field::Hanzi), hanzi);
  EXPECT_EQ(item.fieldText(Field::Reading), reading);
  EXPECT_EQ(item.fieldText(Field::Meaning), meaning);
}

TEST(EditorItem, AFieldChangingWidthKeepsTheOthers) {
  EditorItem item = makeItem(L"\x4F60\x597D", L"ni3 hao3", L"caf\xE9");
  expectTexts(item, L"\x4F60\x597D", L"ni3 hao3", L"caf\xE9");
  item.setField(Field::Reading, L"\x3042\x3044");  // kana: wide now
  expectTexts(item, L"\x4F60\x597D", L"\x3042\x3044", L"caf\xE9");
  item.setField(Field::Hanzi, L"ab");  // bytes now
  expectTexts(item, L"ab", L"\x3042\x3044", L"caf\xE9");
  item.setField(Field::Reading, L"");
  expectTexts(item, L"ab", L"", L"caf\xE9");
  item.setField(Field::Hanzi, L"");
  item.setField(Field::Meaning, L"");
  expectTexts(item, L"", L"", L"");
}

TEST(EditorItem, CopiesAreIndependentAndMovesLeaveTheSourceEmpty) {
  EditorItem original = makeItem(L"\x4E2D", L"zhong1", L"middle");
  EditorItem copy = original;
  copy.setField(Field::Meaning, L"centre");
  expectTexts(original, L"\x4E2D", L"zhong1", L"middle");
  expectTexts(copy, L"\x4E2D", L"zhong1", L"centre");
  copy = original;
  expectTexts(copy, L"\x4E2D", L"zhong1", L"middle");
  copy = copy;
  expectTexts(copy, L"\x4E2D", L"zhong1", L"middle");

  EditorItem moved = std::move(copy);
  expectTexts(moved, L"\x4E2D", L"zhong1", L"middle");
  expectTexts(copy, L"", L"", L"");
  moved = std::move(original);
  expectTexts(moved, L"\x4E2D", L"zhong1", L"middle");
  expectTexts(original, L"", L"", L"");
}

TEST(EditorItem, FieldsKeep249CharactersAndNeverHalfASurrogatePair) {
  EditorItem item;
  EXPECT_TRUE(item.setField(Field::Meaning, std::wstring(249, L'm')));
  EXPECT_FALSE(item.setField(Field::Reading, std::wstring(250, L'r')));
  EXPECT_EQ(item.fieldText(Field::Reading), std::wstring(249, L'r'));
  // A pair whose high half would be the 249th character is left out whole.
  std::wstring hanzi(248, L'\x4E00');
  hanzi += L"\xD840\xDC00";
  EXPECT_FALSE(item.setField(Field::Hanzi, hanzi));
  EXPECT_EQ(item.fieldText(Field::Hanzi), std::wstring(248, L'\x4E00'));
  EXPECT_EQ(item.fieldText(Field::Meaning), std::wstring(249, L'm'));
}

TEST(EditorItem, ManyItemsMadeChangedAndDroppedStayWhole) {
  // Blocks of every size are released and taken again by other items.
  std::mt19937 random(7);
  std::vector<EditorItem> items;
  std::vector<std::wstring> meanings;
  for (int round = 0; round < 20000; ++round) {
    const size_t n = random() % 249;
    const auto c = static_cast<wchar_t>(random() % 2 ? L'a' + round % 26 : 0x4E00 + round % 100);
    const std::wstring meaning(n, c);
    if (!items.empty() && random() % 3 == 0) {
      const size_t at = random() % items.size();
      items[at].setField(Field::Meaning, meaning);
      meanings[at] = meaning;
    } else if (!items.empty() && random() % 4 == 0) {
      const size_t at = random() % items.size();
      items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
      meanings.erase(meanings.begin() + static_cast<std::ptrdiff_t>(at));
    } else {
      items.push_back(makeItem(L"\x5B57", std::to_wstring(round), meaning));
      meanings.push_back(meaning);
    }
  }
  for (size_t i = 0; i < items.size(); ++i) {
    ASSERT_EQ(items[i].fieldText(Field::Meaning), meanings[i]) << i;
    ASSERT_EQ(items[i].fieldText(Field::Hanzi), L"\x5B57") << i;
  }
}

TEST(TextBlocks, LiveBlocksAreAlignedAndKeepTheirBytes) {
  std::mt19937 random(11);
  std::map<char*, std::pair<size_t, char>> live;
  for (int round = 0; round < 50000; ++round) {
    if (!live.empty() && random() % 3 == 0) {
      auto at = live.begin();
      std::advance(at, static_cast<long>(random() % live.size()));
      text_blocks::release(at->first, at->second.first);
      live.erase(at);
      continue;
    }
    // Sizes on both sides of each 8-byte step, up to the largest.
    const size_t size = 1 + random() % (random() % 8 == 0 ? text_blocks::kLargestBlock : 80);
    char* block = text_blocks::allocate(size);
    ASSERT_EQ(reinterpret_cast<uintptr_t>(block) % 8, 0u);
    const char fill = static_cast<char>(round);
    std::fill(block, block + size, fill);
    live[block] = {size, fill};
  }
  char* end = nullptr;
  for (const auto& [block, content] : live) {
    ASSERT_GE(block, end) << "blocks overlap";
    ASSERT_TRUE(
        std::all_of(block, block + content.first, [&](char c) { return c == content.second; }));
    end = block + content.first;
  }
  for (const auto& [block, content] : live) text_blocks::release(block, content.first);
}

}  // namespace
}  // namespace quillmark
