// Meanings made safe for the lesson format: the replacements, the drops, the
// tidy senses, and how each kind of change is reported.
#include "meaning_cleaner.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

std::string clean(const std::u32string& meaning, ConversionReport& report) {
  return cleanMeaning(meaning, 7, report);
}

TEST(MeaningCleaner, AccentedLettersBecomeTheirBaseLetterAndUmlautUBecomesUColon) {
  ConversionReport report;
  EXPECT_EQ(clean(U"café; Lü Xun; naïve", report), "cafe; Lu: Xun; naive");
  EXPECT_EQ(report.changeCount("\"é\" replaced by \"e\""), 1);
  EXPECT_EQ(report.changeCount("\"ü\" replaced by \"u:\""), 1);
  EXPECT_EQ(report.changeCount("\"ï\" replaced by \"i\""), 1);
}

TEST(MeaningCleaner, GreekLettersAreSpelledOut) {
  ConversionReport report;
  EXPECT_EQ(clean(U"π (math.); Ω", report), "pi (math.); Omega");
  EXPECT_EQ(report.changeCount("\"π\" replaced by \"pi\""), 1);
}

TEST(MeaningCleaner, TypographicQuotesDashesAndEllipsisBecomeAscii) {
  ConversionReport report;
  EXPECT_EQ(clean(U"“so-called” – it’s…", report), "\"so-called\" - it's...");
}

TEST(MeaningCleaner, FullWidthSlashSeparatesSensesLikeTheAsciiOne) {
  ConversionReport report;
  EXPECT_EQ(clean(U"and ／ or", report), "and/or");
  EXPECT_EQ(report.changeCount("\"／\" replaced by \"/\""), 1);
  EXPECT_EQ(clean(U"Ａ１", report), "A1");
}

TEST(MeaningCleaner, TabsAndLineBreaksBecomeSpaces) {
  ConversionReport report;
  EXPECT_EQ(clean(U"to eat\tfood\r\nnow", report), "to eat food  now");
  EXPECT_EQ(report.changeCount("TAB in a meaning replaced by a space"), 1);
  EXPECT_EQ(report.changeCount("line break in a meaning replaced by a space"), 2);
}

TEST(MeaningCleaner, HanziAndControlCharactersAreDropped) {
  ConversionReport report;
  EXPECT_EQ(clean(U"CL:个[ge4]\x01x\x7f", report), "CL:[ge4]x");
  EXPECT_EQ(report.changeCount("Chinese, Japanese or Korean characters dropped from meanings"), 1);
  EXPECT_EQ(report.changeCount("control characters dropped from meanings"), 2);
}

TEST(MeaningCleaner, SensesLoseOuterSpacesAndEmptySensesGo) {
  ConversionReport report;
  EXPECT_EQ(clean(U"/ one /two//  /three/", report), "one/two/three");
  EXPECT_EQ(clean(U" single ", report), "single");
}

TEST(MeaningCleaner, NothingLeftBecomesADash) {
  ConversionReport report;
  EXPECT_EQ(clean(U"", report), "-");
  EXPECT_EQ(clean(U"个 / ", report), "-");
  EXPECT_EQ(report.changeCount("empty meaning written as \"-\""), 2);
}

TEST(MeaningCleaner, EachKindIsReportedOnceWithItsCountAndFirstLine) {
  ConversionReport report;
  cleanMeaning(U"é", 3, report);
  cleanMeaning(U"éé", 9, report);
  std::ostringstream summary;
  report.writeSummary(summary);
  EXPECT_NE(summary.str().find("\"é\" replaced by \"e\": 3 times, first at line 3\n"),
            std::string::npos)
      << summary.str();
}

TEST(TrainerMeaning, SlashesBetweenSensesBecomeSemicolonAndSpace) {
  EXPECT_EQ(trainerMeaning("one/two/three"), L"one; two; three");
  EXPECT_EQ(trainerMeaning("-"), L"-");
}

}  // namespace
}  // namespace morvane
