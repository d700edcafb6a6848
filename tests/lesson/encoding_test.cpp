// Encoding choice by file extension and the hexadecimal character key.
#include <gtest/gtest.h>

#include "lesson/encoding.h"

namespace morvane {
namespace {

TEST(EncodingForPath, ExtensionsOfTheTable) {
  EXPECT_EQ(encodingForPath(L"a.kf"), EncodingCode::EucJp);
  EXPECT_EQ(encodingForPath(L"a.kg"), EncodingCode::EucJp);
  EXPECT_EQ(encodingForPath(L"a.sjs"), EncodingCode::Sjs);
  EXPECT_EQ(encodingForPath(L"a.jis"), EncodingCode::Iso2022Jp);
  EXPECT_EQ(encodingForPath(L"a.b5"), EncodingCode::Big5);
  EXPECT_EQ(encodingForPath(L"a.gb"), EncodingCode::Gb);
  EXPECT_EQ(encodingForPath(L"a.euk"), EncodingCode::EucKr);
  EXPECT_EQ(encodingForPath(L"a.uc"), EncodingCode::Unicode);
  EXPECT_EQ(encodingForPath(L"a.uni"), EncodingCode::Unicode);
  EXPECT_EQ(static_cast<int>(encodingForPath(L"a.gb")), 3004);
}

TEST(EncodingForPath, CaseDoesNotMatter) {
  EXPECT_EQ(encodingForPath(L"\\My Documents\\LESSON.GB"), EncodingCode::Gb);
  EXPECT_EQ(encodingForPath(L"x.Jis"), EncodingCode::Iso2022Jp);
}

TEST(EncodingForPath, OnlyTheLastExtensionCounts) {
  EXPECT_EQ(encodingForPath(L"words.gb.b5"), EncodingCode::Big5);
  EXPECT_EQ(encodingForPath(L"words.gb.st"), EncodingCode::EucJp);
  // A dot in a folder name is no extension of the file.
  EXPECT_EQ(encodingForPath(L"\\lessons.gb\\words"), EncodingCode::EucJp);
}

TEST(EncodingForPath, UnknownOrMissingExtensionIsEucJp) {
  EXPECT_EQ(encodingForPath(L"words"), EncodingCode::EucJp);
  EXPECT_EQ(encodingForPath(L"words.euc"), EncodingCode::EucJp);
  EXPECT_EQ(encodingForPath(L"words.txt"), EncodingCode::EucJp);
  EXPECT_EQ(encodingForPath(L"words."), EncodingCode::EucJp);
  EXPECT_EQ(encodingForPath(L""), EncodingCode::EucJp);
  // Near misses of table entries.
  EXPECT_EQ(encodingForPath(L"words.gbk"), EncodingCode::EucJp);
  EXPECT_EQ(encodingForPath(L"words.u"), EncodingCode::EucJp);
}

TEST(HexKey, FourLowerCaseDigitsMostSignificantFirst) {
  EXPECT_EQ(hexKey(0x3021), "3021");
  EXPECT_EQ(hexKey(0x0041), "0041");
  EXPECT_EQ(hexKey(0xB0A1), "b0a1");
  EXPECT_EQ(hexKey(0x0000), "0000");
  EXPECT_EQ(hexKey(0xFFFF), "ffff");
  EXPECT_EQ(hexKey(0xABCD), "abcd");
}

}  // namespace
}  // namespace morvane
