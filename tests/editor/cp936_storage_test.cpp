// Code page 936 conversion and lesson file storage on Windows.
#include <gtest/gtest.h>

#include "cp936_codec.h"
#include "file_lesson_storage.h"
#include "win32_test_support.h"

namespace quillmark {
namespace {

using fakes::TempFolder;

TEST(Cp936Codec, ConvertsHanziAndLatinLettersBothWays) {
  Cp936Codec codec;
  std::string bytes;
  EXPECT_TRUE(codec.encode(L"\x554A\x4F60 a\xE9", bytes));
  EXPECT_EQ(bytes, "\xB0\xA1\xC4\xE3 a\xA8\xA6");
  EXPECT_EQ(codec.decode(bytes), L"\x554A\x4F60 a\xE9");
}

TEST(Cp936Codec, CharactersWithoutAGbkFormBecomeQuestionMarks) {
  Cp936Codec codec;
  std::string bytes = "x";
  EXPECT_FALSE(codec.encode(L"a\x0E01" L"b", bytes));
  EXPECT_EQ(bytes, "xa?b");
  bytes.clear();
  EXPECT_FALSE(codec.encode(L"\xD840\xDC00", bytes));
  EXPECT_EQ(bytes.find_first_not_of('?'), std::string::npos);
}

TEST(Cp936Codec, BrokenBytesDecodeWithoutStopping) {
  Cp936Codec codec;
  std::wstring text = codec.decode(std::string("a\xB0", 2) + "\xFF" + "b");
  EXPECT_EQ(text.front(), L'a');
  EXPECT_EQ(text.back(), L'b');
}

TEST(FileLessonStorage, ReplacesAFileAndReadsItBack) {
  TempFolder folder;
  FileLessonStorage storage;
  const std::wstring path = folder.path(L"lesson.gb");
  TempFolder::writeFile(path, "old contents that are longer");
  ASSERT_TRUE(storage.replaceContents(path, "new\r\n"));
  EXPECT_EQ(TempFolder::readFile(path), "new\r\n");
  std::unique_ptr<ByteSource> source = storage.openForRead(path);
  ASSERT_TRUE(source);
  char buffer[16];
  EXPECT_EQ(source->read(buffer, sizeof buffer), 5u);
  EXPECT_EQ(source->read(buffer, sizeof buffer), 0u);
}

TEST(FileLessonStorage, FailuresLeaveTheOldFileAndNoLeftovers) {
  TempFolder folder;
  FileLessonStorage storage;
  EXPECT_FALSE(storage.openForRead(folder.path(L"missing.gb")));
  EXPECT_FALSE(storage.replaceContents(folder.path(L"missing folder\\x.gb"), "data"));
  // A read-only file cannot be replaced, and keeps its contents.
  const std::wstring path = folder.path(L"readonly.gb");
  TempFolder::writeFile(path, "keep");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(storage.replaceContents(path, "lost"));
  EXPECT_EQ(TempFolder::readFile(path), "keep");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(folder.path(L"qmk*").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "temporary file left behind";
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

}  // namespace
}  // namespace quillmark
