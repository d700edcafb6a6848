// Reading and replacing lesson files with the Windows file functions.
#include "file_lesson_storage.h"

#include <windows.h>

namespace quillmark {

namespace {

class HandleSource : public ByteSource {
 public:
  explicit HandleSource(HANDLE file) : file_(file) {}
  ~HandleSource() override { CloseHandle(file_); }
  HandleSource(const HandleSource&) = delete;
  HandleSource& operator=(const HandleSource&) = delete;

  size_t read(char* buffer, size_t n) override {
    DWORD got = 0;
    if (!ReadFile(file_, buffer, static_cast<DWORD>(n), &got, nullptr)) return 0;
    return got;
  }

 private:
  HANDLE file_;
};

std::wstring folderOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L".";
  return path.substr(0, slash + 1);
}

class HandleOutput : public OutputFile {
 public:
  explicit HandleOutput(HANDLE file) : file_(file) {}
  ~HandleOutput() override { CloseHandle(file_); }
  HandleOutput(const HandleOutput&) = delete;
  HandleOutput& operator=(const HandleOutput&) = delete;

  bool write(const char* bytes, size_t n) override {
    DWORD written = 0;
    return WriteFile(file_, bytes, static_cast<DWORD>(n), &written, nullptr) && written == n;
  }
  bool flush() override { return FlushFileBuffers(file_) != 0; }

 private:
  HANDLE file_;
};

}  // namespace

std::unique_ptr<ByteSource> FileLessonStorage::openForRead(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<HandleSource>(file);
}

bool FileLessonStorage::isReadOnly(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::unique_ptr<OutputFile> FileLessonStorage::createBeside(const std::wstring& path,
                                                            std::wstring& temporary) {
  wchar_t name[MAX_PATH];
  if (!GetTempFileNameW(folderOf(path).c_str(), L"qmk", 0, name)) return nullptr;
  temporary = name;
  HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<HandleOutput>(file);
}

bool FileLessonStorage::moveReplacing(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void FileLessonStorage::remove(const std::wstring& path) { DeleteFileW(path.c_str()); }

bool FileLessonStorage::replaceContents(const std::wstring& path, const std::string& bytes) {
  return replaceSafely(*this, path, bytes);
}

}  // namespace quillmark
