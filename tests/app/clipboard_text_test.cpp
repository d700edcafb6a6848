// The clipboard forms of Hanzi and readings: stored bytes and Unicode.
#include "app/clipboard_text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "lesson/char_token.h"

namespace morvane {
namespace {

// A CharString over cells it keeps alive itself.
class Cells {
 public:
  Cells(std::initializer_list<CharToken> cells) : tokens_(cells) {
    for (CharToken& token : tokens_) string_.Append(&token);
  }
  const PtrArray& string() const { return string_; }

 private:
  std::vector<CharToken> tokens_;
  PtrArray string_;
};

TEST(CellTextBlock, ThreeHanziAreSixBytesAndATwoByteZero) {
  // 你好吗 in GB 2312.
  Cells hanzi{{0xC4, 0xE3}, {0xBA, 0xC3}, {0xC2, 0xF0}};
  EXPECT_EQ(cellTextBlock(hanzi.string()), std::string("\xC4\xE3\xBA\xC3\xC2\xF0\0\0", 8));
}

TEST(CellTextBlock, SingleByteCellsGiveOneByteEach) {
  Cells pinyin{{0, 'n'}, {0, 'i'}, {0, '3'}};
  EXPECT_EQ(cellTextBlock(pinyin.string()), std::string("ni3\0\0\0\0\0", 8));
  Cells mixed{{0, 'A'}, {0xC4, 0xE3}};
  EXPECT_EQ(cellTextBlock(mixed.string()), std::string("A\xC4\xE3\0\0\0", 6));
}

TEST(CellTextBlock, NoCellsIsAnEmptyText) {
  Cells none{};
  EXPECT_EQ(cellTextBlock(none.string()), std::string("\0\0", 2));
}

TEST(CellUnicodeText, ConvertsFromEachChineseAndKoreanEncoding) {
  Cells gb{{0xC4, 0xE3}, {0xBA, 0xC3}, {0xC2, 0xF0}};
  EXPECT_EQ(cellUnicodeText(gb.string(), EncodingCode::Gb), u"\u4F60\u597D\u5417");
  Cells big5{{0xA4, 0x40}, {0xA4, 0xA4}};
  EXPECT_EQ(cellUnicodeText(big5.string(), EncodingCode::Big5), u"\u4E00\u4E2D");
  Cells korean{{0xB0, 0xA1}};
  EXPECT_EQ(cellUnicodeText(korean.string(), EncodingCode::EucKr), u"\uAC00");
}

TEST(CellUnicodeText, JapaneseCellsAreSevenBitJisRowAndCell) {
  // 亜 is JIS 0x3021 (EUC-JP B0 A1), the wave dash 0x2141.
  Cells jis{{0x30, 0x21}, {0x21, 0x41}};
  EXPECT_EQ(cellUnicodeText(jis.string(), EncodingCode::EucJp), u"\u4E9C\u301C");
  EXPECT_EQ(cellUnicodeText(jis.string(), EncodingCode::Iso2022Jp), u"\u4E9C\u301C");
  Cells katakana{{0, 0xB1}, {0, 0xDF}};
  EXPECT_EQ(cellUnicodeText(katakana.string(), EncodingCode::EucJp), u"\uFF71\uFF9F");
}

TEST(CellUnicodeText, PinyinStaysAsItIs) {
  Cells pinyin{{0, 'n'}, {0, 'i'}, {0, '3'}, {0, ';'}};
  EXPECT_EQ(cellUnicodeText(pinyin.string(), EncodingCode::Gb), u"ni3;");
}

TEST(CellUnicodeText, CellsWithNoUnicodeFormBecomeReplacementCharacters) {
  // A9A1 is unassigned in GB 2312; a lone lead byte; a high byte outside katakana.
  Cells gb{{0xA9, 0xA1}, {0, 0xC4}, {0xB0, 0xA1}};
  EXPECT_EQ(cellUnicodeText(gb.string(), EncodingCode::Gb), u"\uFFFD\uFFFD\u554A");
  Cells jis{{0, 0xE0}, {0x7F, 0x7F}};
  EXPECT_EQ(cellUnicodeText(jis.string(), EncodingCode::EucJp), u"\uFFFD\uFFFD");
  Cells unicode{{0x4E, 0x00}};
  EXPECT_EQ(cellUnicodeText(unicode.string(), EncodingCode::Unicode), u"\uFFFD");
}

}  // namespace
}  // namespace morvane
