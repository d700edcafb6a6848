// The lesson inspector: its JSON, its warnings for lesson authors, and its
// handling of files it cannot open.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "lesson/lesson.h"
#include "lesson/lesson_item.h"
#include "lesson_inspector.h"
#include "lesson_test_support.h"
#include "platform/utf8.h"

namespace morvane {
namespace {

using testing::gbItems;
using testing::ScratchFolder;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome inspect(const std::vector<std::wstring>& paths, bool json) {
  std::vector<std::string> args;
  if (json) args.push_back("--json");
  for (const std::wstring& path : paths) args.push_back(toUtf8(path));
  std::ostringstream out, err;
  int status = runLessonInspector(args, out, err);
  return {status, out.str(), err.str()};
}

std::string le32(uint32_t v) {
  std::string out;
  for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
  return out;
}

TEST(LessonInspector, JsonListsKeysMeaningAndWeight) {
  ScratchFolder folder;
  std::wstring path = folder.write(L"a.gb", "\xc4\xe3\xba\xc3 [ni3] /say \"hi\"\\/\r\n");
  Outcome run = inspect({path}, true);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string expected =
      "{\"encoding\": 3004, \"items\": [\n"
      "  {\"hanzi\": [\"c4e3\", \"bac3\"], \"reading\": [\"006e\", \"0069\", \"0033\"], "
      "\"meaning\": \"say \\\"hi\\\"\\\\\", \"weight\": 6.0}],\n";
  EXPECT_EQ(run.out.substr(0, expected.size()), expected);
  EXPECT_NE(run.out.find("\"progress\": \"missing\""), std::string::npos);
}

TEST(LessonInspector, SetReadsEachFilesProgress) {
  ScratchFolder folder;
  std::wstring first = folder.write(L"a.gb", gbItems(1));
  std::wstring second = folder.write(L"b.euc", gbItems(2));
  // 6.0, sum, 1.0, two weights: 2.5 and 0.5 (read as the minimum 1.0).
  folder.write(L"b.euc.st", std::string("\x00\x00\xc0\x40\x00\x00\x00\x00\x00\x00\x80\x3f", 12) +
                                le32(2) + std::string("\x00\x00\x20\x40\x00\x00\x00\x3f", 8));
  Outcome run = inspect({first, second}, true);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("{\"encoding\": 3004, "), 0u);
  EXPECT_NE(run.out.find("{\"hanzi\": [\"3021\", \"5756\"], \"reading\": [\"007a\", \"0069\", "
                         "\"0034\"], \"meaning\": \"item 0\", \"weight\": 2.5}"),
            std::string::npos);
  EXPECT_NE(run.out.find("\"meaning\": \"item 1\", \"weight\": 1.0}"), std::string::npos);
  EXPECT_NE(run.out.find("\"progress\": \"loaded\""), std::string::npos);
}

TEST(LessonInspector, MeaningBytesAboveAsciiAreUtf8InJson) {
  ScratchFolder folder;
  std::wstring path = folder.write(L"a.jis", "\x1b$B\x30\x21\x1b(B [a] /\x0e\xb1\x0f\x01/\r\n");
  Outcome run = inspect({path}, true);
  // SO katakana byte 0xb1 becomes U+00B1; control bytes drop their line.
  EXPECT_NE(run.out.find("\"meaning\": \"\xc2\xb1\""), std::string::npos) << run.out;
}

TEST(LessonInspector, JsonOfAnItemLargerThanAnOutputBlockIsWhole) {
  ScratchFolder folder;
  // A meaning of quotes and control bytes grows to 4 MB of JSON.
  std::string meaning;
  for (int i = 0; i < 400000; ++i) meaning += "\"\x0b";
  std::wstring path = folder.write(L"a.gb", "\xc4\xe3 [a] /" + meaning + "/\n" + gbItems(1));
  Outcome run = inspect({path}, true);
  std::string json;
  for (int i = 0; i < 400000; ++i) json += "\\\"\\u000b";
  EXPECT_NE(run.out.find("\"meaning\": \"" + json + "\", \"weight\": 6.0},\n  {\"hanzi\": "),
            std::string::npos);
  EXPECT_NE(run.out.find("\"meaning\": \"item 0\", \"weight\": 6.0}],\n \"files\""),
            std::string::npos);
}

TEST(LessonInspector, ItemLinesCountTheLineFeedsBeforeThem) {
  ScratchFolder folder;
  const std::string item = "\xc4\xe3 [a] /x/";
  std::wstring path = folder.write(L"a.gb", "\n\r\n" + item + "\r\n\r\n\r\n" + item + "\n" + item);
  Outcome run = inspect({path}, false);
  EXPECT_NE(run.out.find("1. line 3  hanzi"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("2. line 6  hanzi"), std::string::npos);
  EXPECT_NE(run.out.find("3. line 7  hanzi"), std::string::npos);
}

TEST(LessonInspector, ReportWarnsOfTheFormatsTraps) {
  ScratchFolder folder;
  std::wstring path = folder.write(
      L"a.gb", "\xc4\xe3 [a]/hello/\r\n\xc4\xe3 [a] /caf\xa8\xa6 [b] /x/\r\n\xc4\xe3 [a] /one\ttwo/\r\n");
  Outcome run = inspect({path}, false);
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("line 1: the two characters after \"]\""), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("loses its first letter \"h\""), std::string::npos);
  EXPECT_NE(run.out.find("line 2: item 3 begins on the same line as item 2"), std::string::npos);
  EXPECT_NE(run.out.find("code page 936"), std::string::npos);
  EXPECT_NE(run.out.find("line 3: byte 0x09 (TAB) ends the data"), std::string::npos);
}

TEST(LessonInspector, ReportTellsWhereAnIncompleteItemStoppedReading) {
  ScratchFolder folder;
  std::wstring path = folder.write(L"a.gb", gbItems(2) + "\xc4\xe3 [ni3 ha");
  Outcome run = inspect({path}, false);
  EXPECT_NE(run.out.find("2 items"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("line 3: the file ends inside the reading"), std::string::npos);

  std::wstring jis = folder.write(L"b.jis", "a\r\nb\tc\r\n");
  run = inspect({jis}, false);
  EXPECT_NE(run.out.find("line 2: byte 0x09 (TAB) drops the rest of its line"), std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("0x0d"), std::string::npos);
}

TEST(LessonInspector, ReportWarnsOfAPartCutAtTheMostTheTrainerKeeps) {
  ScratchFolder folder;
  std::string endless(kMaxMeaningBytes + 10, 'x');
  std::wstring path = folder.write(L"a.gb", gbItems(1) + "\xc4\xe3 [a] /" + endless + "/\r\n");
  Outcome run = inspect({path}, false);
  EXPECT_NE(run.out.find("line 2: item 2 is longer than the trainer keeps: its meaning is cut"),
            std::string::npos);
  EXPECT_EQ(run.out.find("item 1 is longer"), std::string::npos);
}

TEST(LessonInspector, AFileTheFullLessonNeverReadHasNoItemsAndNoWarnings) {
  ScratchFolder folder;
  std::string full;
  for (int32_t i = 0; i < kMaxLessonItems; ++i) full += "\xc4\xe3 [a] /x/\n";
  std::wstring first = folder.write(L"a.gb", full);
  std::wstring second = folder.write(L"b.gb", "\xc4\xe3 [a] /one\ttwo/\n");
  Outcome run = inspect({first, second}, false);
  const std::string tail = run.out.substr(run.out.find("Lesson file \"" + toUtf8(second)));
  EXPECT_NE(tail.find("  0 items\n  line 1: reading stopped at the limit of 524288 items\n"
                      "  no warnings\n"),
            std::string::npos)
      << tail;
  EXPECT_NE(run.out.find("line 524289: reading stopped at the limit"), std::string::npos);
}

TEST(LessonInspector, FileThatCannotBeOpenedIsNamedAndFails) {
  ScratchFolder folder;
  std::wstring good = folder.write(L"a.gb", gbItems(1));
  std::wstring missing = folder.path(L"missing.gb");
  Outcome run = inspect({good, missing}, true);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("cannot open lesson file \"" + toUtf8(missing) + "\""), std::string::npos);
}

TEST(LessonInspector, UsageErrors) {
  std::ostringstream out, err;
  EXPECT_EQ(runLessonInspector({}, out, err), 2);
  EXPECT_EQ(runLessonInspector({"--json"}, out, err), 2);
  EXPECT_EQ(runLessonInspector({"--verbose", "a.gb"}, out, err), 2);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace morvane
