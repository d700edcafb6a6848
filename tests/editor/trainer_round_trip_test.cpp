// A lesson the editor writes is a lesson the trainer reads: items saved with
// the editor's writer and code page 936 come back from the trainer's reader
// with the same Hanzi bytes, readings and meanings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lesson_file.h"
#include "cp936_codec.h"
#include "editor_test_support.h"
#include "file_lesson_storage.h"
#include "lesson/lesson.h"
#include "win32_test_support.h"

namespace quillmark {
namespace {

using fakes::makeItem;
using fakes::TempFolder;

std::string cellBytes(morvane::CellList cells) {
  std::string bytes;
  for (const morvane::CharToken& cell : cells) {
    if (cell.first != 0) bytes += static_cast<char>(cell.first);
    bytes += static_cast<char>(cell.second);
  }
  return bytes;
}

TEST(TrainerRoundTrip, TrainerReadsWhatTheEditorWrites) {
  const std::vector<EditorItem> items = {
      makeItem(L"\x4F60\x597D", L"ni3 hao3", L"hello"),
      makeItem(L"\x4E2D\x56FD", L"zhong1 guo2", L"China"),
      makeItem(L"", L"left out", L"no Hanzi"),
      makeItem(L"\x5B66\x4E60", L"xue2 xi2", L"to study/to learn"),
      makeItem(L"\x554A", L"a", L"ah")};
  Cp936Codec codec;
  WrittenLesson written = writeLessonFile(items, codec);
  ASSERT_TRUE(written.itemsWithLostCharacters.empty());

  TempFolder folder;
  const std::wstring path = folder.path(L"round trip.gb");
  ASSERT_TRUE(FileLessonStorage().replaceContents(path, written.bytes));
  morvane::Lesson lesson(path, 0);

  // The trainer shows senses apart with "; " where the file has "/".
  struct Expected {
    const char* hanzi;
    const char* reading;
    const wchar_t* meaning;
  };
  const Expected expected[] = {{"\xC4\xE3\xBA\xC3", "ni3 hao3", L"hello"},
                               {"\xD6\xD0\xB9\xFA", "zhong1 guo2", L"China"},
                               {"\xD1\xA7\xCF\xB0", "xue2 xi2", L"to study; to learn"},
                               {"\xB0\xA1", "a", L"ah"}};
  ASSERT_EQ(lesson.itemCount(), 4);
  for (int32_t i = 0; i < 4; ++i) {
    const morvane::LessonItem* read = lesson.itemAt(i);
    EXPECT_TRUE(read->valid) << i;
    EXPECT_EQ(cellBytes(read->hanzi()), expected[i].hanzi) << i;
    EXPECT_EQ(read->hanzi().Count() * 2, static_cast<int32_t>(std::string(expected[i].hanzi).size()));
    EXPECT_EQ(cellBytes(read->reading()), expected[i].reading) << i;
    EXPECT_EQ(read->meaning(), expected[i].meaning) << i;
  }
}

}  // namespace
}  // namespace quillmark
