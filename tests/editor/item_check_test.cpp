// Which items a lesson file can carry, and how they are repaired.
#include <gtest/gtest.h>

#include <utility>

#include "core/item_check.h"
#include "editor_test_support.h"

namespace quillmark {
namespace {

using fakes::kNiHao;
using fakes::makeItem;

TEST(ItemCheck, HanziWithReadingAndMeaningPasses) {
  EXPECT_TRUE(checkItem(makeItem(kNiHao, L"ni3\thao3", L"hello/how are you")));
  EXPECT_TRUE(checkItem(EditorItem{}));
  // Latin-1 letters are allowed in reading and meaning.
  EXPECT_TRUE(checkItem(makeItem(kNiHao, L"n\xEC h\xE1o", L"caf\xE9")));
}

TEST(ItemCheck, EachRuleHoldsForTheReadingAndTheMeaningAlone) {
  struct Case {
    const wchar_t* text;
    bool passes;
  };
  const Case cases[] = {
      {L"a\x00FF", true},   // the last Latin-1 character
      {L"a\x0100", false},  // the first after it
      {L"a\tb", true},
      {L"a\x1F" L"b", false},
      {L"a\x0001", false},
      {L"/a", true},
      {L"a/", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    EXPECT_EQ(checkItem(makeItem(kNiHao, c.text, L"fine")), c.passes) << "reading";
    EXPECT_EQ(checkItem(makeItem(kNiHao, L"ni3", c.text)), c.passes) << "meaning";
  }
}

TEST(ItemCheck, FixReplacesFromTheFirstCharacterAfterLatin1) {
  EditorItem item = makeItem(kNiHao, L"\x00FF\x0100", L"\x0100\x00FF");
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Reading), L"\x00FF?");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"?\x00FF");
}

TEST(ItemCheck, LatinLettersAsHanziBecomeFullWidthQuestionMarks) {
  EditorItem item = makeItem(L"abc", L"ni", L"you");
  EXPECT_FALSE(checkItem(item));
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Hanzi), L"\xFF1F\xFF1F\xFF1F");
  EXPECT_TRUE(checkItem(item));
}

TEST(ItemCheck, MixedHanziKeepsItsChineseCharacters) {
  EditorItem item = makeItem(L"\x4F60 \x00FF\x0100", L"", L"");
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Hanzi), L"\x4F60\xFF1F\xFF1F\x0100");
}

TEST(ItemCheck, FullWidthSolidusBecomesSlash) {
  EditorItem item = makeItem(kNiHao, L"ni3\xFF0Fhao3", L"hello\xFF0Fhi");
  EXPECT_FALSE(checkItem(item));
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Reading), L"ni3/hao3");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"hello/hi");
  EXPECT_TRUE(checkItem(item));
}

TEST(ItemCheck, ControlCharactersBecomeSlashesButTabStays) {
  EditorItem item = makeItem(kNiHao, L"a\x01" L"b\tc", L"x\ny\x1F");
  EXPECT_FALSE(checkItem(item));
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Reading), L"a/b\tc");
  // The trailing control character became "/", which the fix then removes.
  EXPECT_EQ(item.fieldText(Field::Meaning), L"x/y");
}

TEST(ItemCheck, CharactersAboveLatin1InReadingBecomeQuestionMarks) {
  EditorItem item = makeItem(kNiHao, L"n\x01D0 h\x0103o", L"\x4F60");
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Reading), L"n? h?o");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"?");
}

TEST(ItemCheck, CharacterOutsideTheBasicPlaneBecomesOneQuestionMark) {
  std::wstring outside = sizeof(wchar_t) == 2 ? std::wstring(L"\xD840\xDC00")
                                              : std::wstring(1, static_cast<wchar_t>(0x20000));
  EditorItem item = makeItem(kNiHao, L"a" + outside + L"b", L"");
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Reading), L"a?b");
}

TEST(ItemCheck, TrailingSlashFailsAndIsRemovedOnce) {
  EditorItem item = makeItem(kNiHao, L"ni/", L"hello/");
  EXPECT_FALSE(checkItem(item));
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Reading), L"ni");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"hello");
  EXPECT_TRUE(checkItem(item));
}

TEST(ItemCheck, FixedItemEndingInTwoSlashesStillFails) {
  EditorItem item = makeItem(kNiHao, L"ni", L"hello//");
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Meaning), L"hello/");
  EXPECT_FALSE(checkItem(item));
}

TEST(ItemCheck, FieldThatIsOnlyASlashBecomesEmpty) {
  EditorItem item = makeItem(kNiHao, L"\xFF0F", L"/");
  fixItem(item);
  EXPECT_EQ(item.fieldText(Field::Reading), L"");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"");
}

TEST(EditorItemField, KeepsAtMost249CharactersAndReportsTheCut) {
  EditorItem item;
  EXPECT_TRUE(item.setField(Field::Meaning, std::wstring(249, L'x')));
  EXPECT_EQ(item.fieldText(Field::Meaning), std::wstring(249, L'x'));
  EXPECT_FALSE(item.setField(Field::Meaning, std::wstring(249, L'y') + L"z"));
  EXPECT_EQ(item.fieldText(Field::Meaning), std::wstring(249, L'y'));
  EXPECT_FALSE(item.setField(Field::Meaning, std::wstring(300, L'x')));
  EXPECT_EQ(item.fieldText(Field::Meaning), std::wstring(249, L'x'));
}

TEST(EditorItemField, ASurrogatePairAtTheLimitIsKeptOnlyWhole) {
  const std::wstring pair = {L'\xD840', L'\xDC00'};
  EditorItem item;
  // Its second unit is the 249th: it fits.
  EXPECT_TRUE(item.setField(Field::Hanzi, std::wstring(247, L'x') + pair));
  EXPECT_EQ(item.fieldText(Field::Hanzi), std::wstring(247, L'x') + pair);
  EXPECT_FALSE(item.setField(Field::Hanzi, std::wstring(247, L'x') + pair + L"y"));
  EXPECT_EQ(item.fieldText(Field::Hanzi), std::wstring(247, L'x') + pair);
  // Its second unit would be the 250th: the pair goes whole.
  EXPECT_FALSE(item.setField(Field::Hanzi, std::wstring(248, L'x') + pair));
  EXPECT_EQ(item.fieldText(Field::Hanzi), std::wstring(248, L'x'));
}

TEST(EditorItemField, EachFieldHasItsOwnLimit) {
  EditorItem item;
  EXPECT_FALSE(item.setField(Field::Hanzi, std::wstring(300, L'\x4E2D')));
  EXPECT_TRUE(item.setField(Field::Reading, std::wstring(249, L'r')));
  EXPECT_FALSE(item.setField(Field::Meaning, std::wstring(250, L'\xE9')));
  EXPECT_EQ(item.fieldText(Field::Hanzi), std::wstring(249, L'\x4E2D'));
  EXPECT_EQ(item.fieldText(Field::Reading), std::wstring(249, L'r'));
  EXPECT_EQ(item.fieldText(Field::Meaning), std::wstring(249, L'\xE9'));
}

// Latin-1 fields are held a byte per character, others wide; a field that
// changes between the two must not move its neighbours' texts.
TEST(EditorItemField, ChangingOneFieldLeavesTheOthers) {
  EditorItem item = makeItem(kNiHao, L"ni3", L"caf\xE9");
  item.setField(Field::Reading, L"n\x01D0");
  EXPECT_EQ(item.fieldText(Field::Hanzi), kNiHao);
  EXPECT_EQ(item.fieldText(Field::Reading), L"n\x01D0");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"caf\xE9");
  item.setField(Field::Hanzi, L"");
  item.setField(Field::Meaning, L"\x00FF\x0100");
  EXPECT_EQ(item.fieldText(Field::Hanzi), L"");
  EXPECT_EQ(item.fieldText(Field::Reading), L"n\x01D0");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"\x00FF\x0100");
  item.setField(Field::Reading, L"\x00FF");
  item.setField(Field::Hanzi, L"a");
  EXPECT_EQ(item.fieldText(Field::Hanzi), L"a");
  EXPECT_EQ(item.fieldText(Field::Reading), L"\x00FF");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"\x00FF\x0100");
}

TEST(EditorItemField, ACopyKeepsItsOwnTexts) {
  EditorItem item = makeItem(kNiHao, L"ni3", L"you");
  EditorItem copy = item;
  item.setField(Field::Reading, L"changed");
  EXPECT_EQ(copy.fieldText(Field::Hanzi), kNiHao);
  EXPECT_EQ(copy.fieldText(Field::Reading), L"ni3");
  EXPECT_EQ(copy.fieldText(Field::Meaning), L"you");
  item = copy;
  copy.setField(Field::Meaning, L"");
  EXPECT_EQ(item.fieldText(Field::Reading), L"ni3");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"you");
}

TEST(EditorItemField, AnItemMovedFromIsLeftEmpty) {
  EditorItem item = makeItem(kNiHao, L"ni3 hao3", L"hello");
  EditorItem moved = std::move(item);
  EXPECT_EQ(moved.fieldText(Field::Reading), L"ni3 hao3");
  // Lengths kept without their text would read past its end.
  EXPECT_EQ(item.fieldText(Field::Hanzi), L"");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"");
  item.setField(Field::Meaning, L"m");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"m");
}

}  // namespace
}  // namespace quillmark
