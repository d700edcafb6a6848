// Which items a lesson file can carry, and how they are repaired.
#include <gtest/gtest.h>

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
  EXPECT_EQ(fieldText(item.reading), L"\x00FF?");
  EXPECT_EQ(fieldText(item.meaning), L"?\x00FF");
}

TEST(ItemCheck, LatinLettersAsHanziBecomeFullWidthQuestionMarks) {
  EditorItem item = makeItem(L"abc", L"ni", L"you");
  EXPECT_FALSE(checkItem(item));
  fixItem(item);
  EXPECT_EQ(fieldText(item.hanzi), L"\xFF1F\xFF1F\xFF1F");
  EXPECT_TRUE(checkItem(item));
}

TEST(ItemCheck, MixedHanziKeepsItsChineseCharacters) {
  EditorItem item = makeItem(L"\x4F60 \x00FF\x0100", L"", L"");
  fixItem(item);
  EXPECT_EQ(fieldText(item.hanzi), L"\x4F60\xFF1F\xFF1F\x0100");
}

TEST(ItemCheck, FullWidthSolidusBecomesSlash) {
  EditorItem item = makeItem(kNiHao, L"ni3\xFF0Fhao3", L"hello\xFF0Fhi");
  EXPECT_FALSE(checkItem(item));
  fixItem(item);
  EXPECT_EQ(fieldText(item.reading), L"ni3/hao3");
  EXPECT_EQ(fieldText(item.meaning), L"hello/hi");
  EXPECT_TRUE(checkItem(item));
}

TEST(ItemCheck, ControlCharactersBecomeSlashesButTabStays) {
  EditorItem item = makeItem(kNiHao, L"a\x01" L"b\tc", L"x\ny\x1F");
  EXPECT_FALSE(checkItem(item));
  fixItem(item);
  EXPECT_EQ(fieldText(item.reading), L"a/b\tc");
  // The trailing control character became "/", which the fix then removes.
  EXPECT_EQ(fieldText(item.meaning), L"x/y");
}

TEST(ItemCheck, CharactersAboveLatin1InReadingBecomeQuestionMarks) {
  EditorItem item = makeItem(kNiHao, L"n\x01D0 h\x0103o", L"\x4F60");
  fixItem(item);
  EXPECT_EQ(fieldText(item.reading), L"n? h?o");
  EXPECT_EQ(fieldText(item.meaning), L"?");
}

TEST(ItemCheck, CharacterOutsideTheBasicPlaneBecomesOneQuestionMark) {
  std::wstring outside = sizeof(wchar_t) == 2 ? std::wstring(L"\xD840\xDC00")
                                              : std::wstring(1, static_cast<wchar_t>(0x20000));
  EditorItem item = makeItem(kNiHao, L"a" + outside + L"b", L"");
  fixItem(item);
  EXPECT_EQ(fieldText(item.reading), L"a?b");
}

TEST(ItemCheck, TrailingSlashFailsAndIsRemovedOnce) {
  EditorItem item = makeItem(kNiHao, L"ni/", L"hello/");
  EXPECT_FALSE(checkItem(item));
  fixItem(item);
  EXPECT_EQ(fieldText(item.reading), L"ni");
  EXPECT_EQ(fieldText(item.meaning), L"hello");
  EXPECT_TRUE(checkItem(item));
}

TEST(ItemCheck, FixedItemEndingInTwoSlashesStillFails) {
  EditorItem item = makeItem(kNiHao, L"ni", L"hello//");
  fixItem(item);
  EXPECT_EQ(fieldText(item.meaning), L"hello/");
  EXPECT_FALSE(checkItem(item));
}

TEST(ItemCheck, FieldThatIsOnlyASlashBecomesEmpty) {
  EditorItem item = makeItem(kNiHao, L"\xFF0F", L"/");
  fixItem(item);
  EXPECT_EQ(fieldText(item.reading), L"");
  EXPECT_EQ(fieldText(item.meaning), L"");
}

TEST(EditorItemField, LongTextIsCutToTheFieldAndReported) {
  EditorItem item;
  EXPECT_FALSE(setField(item.meaning, std::wstring(300, L'x')));
  EXPECT_EQ(fieldText(item.meaning), std::wstring(kFieldLength - 1, L'x'));
  EXPECT_TRUE(setField(item.meaning, std::wstring(kFieldLength - 1, L'y')));
  EXPECT_EQ(fieldText(item.meaning).size(), kFieldLength - 1);
}

TEST(EditorItemField, CutNeverSplitsASurrogatePair) {
  EditorItem item;
  std::wstring text(kFieldLength - 2, L'x');
  text += L'\xD840';
  text += L'\xDC00';
  EXPECT_FALSE(setField(item.hanzi, text));
  EXPECT_EQ(fieldText(item.hanzi), std::wstring(kFieldLength - 2, L'x'));
}

}  // namespace
}  // namespace quillmark
