// Reading and replacing lesson files with the Windows file functions.
#include "file_lesson_storage.h"

#include <windows.h>

#include <algorithm>

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

bool writeAll(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written != chunk) {
      return false;
    }
    done += written;
  }
  return FlushFileBuffers(file) != 0;
}

}  // namespace

std::unique_ptr<ByteSource> FileLessonStorage::openForRead(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<HandleSource>(file);
}

bool FileLessonStorage::replaceContents(const std::wstring& path, const std::string& bytes) {
  // Moving over a read-only file succeeds on some systems; it must not.
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  wchar_t temporary[MAX_PATH];
  if (!GetTempFileNameW(folderOf(path).c_str(), L"qmk", 0, temporary)) return false;
  HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  bool written = file != INVALID_HANDLE_VALUE && writeAll(file, bytes);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (written &&
      MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temporary);
  return false;
}

}  // namespace quillmark
