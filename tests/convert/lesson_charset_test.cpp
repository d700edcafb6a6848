// Which characters each encoding holds, as the cells its reader delivers,
// and back; the same answers from iconv and from the Windows code pages.
#include "lesson_charset.h"

#include <gtest/gtest.h>

#include "lesson/encoding.h"

namespace morvane {
namespace {

std::string key(LessonCharset& charset, char32_t c) {
  CharToken token;
  return charset.tokenFor(c, token) ? hexKey(token.code()) : "none";
}

TEST(LessonCharset, GbHoldsGb2312AsEucCnBytes) {
  LessonCharset gb(EncodingCode::Gb);
  EXPECT_EQ(key(gb, U'你'), "c4e3");
  EXPECT_EQ(key(gb, U'ǐ'), "a8ab");
  EXPECT_EQ(key(gb, U'π'), "a6d0");
  EXPECT_EQ(key(gb, U'é'), "a8a6");  // a pinyin letter: fine in a reading, not in a meaning
  EXPECT_EQ(key(gb, U'／'), "a3af");
}

TEST(LessonCharset, GbRefusesGbkOnlyCharactersAndTraditionalForms) {
  LessonCharset gb(EncodingCode::Gb);
  EXPECT_EQ(key(gb, U'\u2170'), "none");  // small roman numeral one, GBK A2A1
  EXPECT_EQ(key(gb, U'\u0251'), "none");  // Latin alpha, GBK A8BB
  EXPECT_EQ(key(gb, U'們'), "none");
  EXPECT_EQ(key(gb, U'A'), "none");
}

TEST(LessonCharset, Big5TrailBytesReachDownTo0x40) {
  LessonCharset big5(EncodingCode::Big5);
  EXPECT_EQ(key(big5, U'一'), "a440");
  EXPECT_EQ(key(big5, U'謝'), "c1c2");
  EXPECT_EQ(key(big5, U'谢'), "none");
}

TEST(LessonCharset, JapaneseEncodingsDeliverJisRowAndCell) {
  LessonCharset euc(EncodingCode::EucJp);
  LessonCharset jis(EncodingCode::Iso2022Jp);
  EXPECT_EQ(key(euc, U'日'), "467c");
  EXPECT_EQ(key(jis, U'日'), "467c");
  EXPECT_EQ(key(euc, U'檗'), "5d21");
  EXPECT_EQ(key(euc, U'\uFF71'), "none");  // half-width katakana: 8E, not a pair
}

TEST(LessonCharset, EucKrHoldsHangulAndHanja) {
  LessonCharset kr(EncodingCode::EucKr);
  EXPECT_EQ(key(kr, U'한'), "c7d1");
  EXPECT_EQ(key(kr, U'韓'), "f9db");
  EXPECT_EQ(key(kr, U'\uAC02'), "none");  // UHC-only syllable
}

TEST(LessonCharset, CellsDecodeBackToTheirCharacters) {
  LessonCharset gb(EncodingCode::Gb);
  LessonCharset jis(EncodingCode::Iso2022Jp);
  EXPECT_EQ(gb.charFor({0xC4, 0xE3}), U'你');
  EXPECT_EQ(jis.charFor({0x46, 0x7C}), U'日');
  EXPECT_EQ(gb.charFor({0xAA, 0xA1}), 0u);  // a pair GB 2312 leaves empty
  EXPECT_EQ(gb.charFor({0x00, 0x41}), 0u);
}

TEST(LessonCharset, UnicodeLessonsHaveNoCharset) {
  EXPECT_FALSE(LessonCharset(EncodingCode::Unicode).valid());
  EXPECT_TRUE(LessonCharset(EncodingCode::Sjs).valid());
}

}  // namespace
}  // namespace morvane
