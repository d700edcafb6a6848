// Files on Windows: CreateFileW / ReadFile / SetFilePointer, as the trainer uses
// them. Device paths are resolved by the device layer.
#include <windows.h>

#include "platform/file_system.h"

#include "device/device_storage.h"

namespace morvane {

namespace {

class Win32File : public File {
 public:
  explicit Win32File(HANDLE h) : h_(h) {}
  ~Win32File() override { CloseHandle(h_); }

  size_t read(void* buffer, size_t n) override {
    DWORD got = 0;
    if (n > MAXDWORD) n = MAXDWORD;
    if (!ReadFile(h_, buffer, static_cast<DWORD>(n), &got, nullptr)) return 0;
    return got;
  }
  bool write(const void* buffer, size_t n) override {
    const char* p = static_cast<const char*>(buffer);
    while (n > 0) {
      DWORD chunk = n > MAXDWORD ? MAXDWORD : static_cast<DWORD>(n);
      DWORD done = 0;
      if (!WriteFile(h_, p, chunk, &done, nullptr) || done == 0) return false;
      p += done;
      n -= done;
    }
    return true;
  }
  bool seekRelative(int64_t delta) override { return seek(delta, FILE_CURRENT); }
  bool seekTo(uint64_t offset) override { return seek(static_cast<int64_t>(offset), FILE_BEGIN); }
  int64_t size() override {
    LARGE_INTEGER s;
    if (!GetFileSizeEx(h_, &s)) return -1;
    return s.QuadPart;
  }
  bool flush() override { return FlushFileBuffers(h_) != 0; }

 private:
  bool seek(int64_t distance, DWORD method) {
    LARGE_INTEGER d;
    d.QuadPart = distance;
    return SetFilePointerEx(h_, d, nullptr, method) != 0;
  }
  HANDLE h_;
};

DWORD attributesFor(bool hidden) {
  return hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL;
}

class Win32FileSystem : public FileSystem {
 public:
  std::unique_ptr<File> openForRead(const std::wstring& devicePath) override {
    const std::wstring path = device::hostPath(devicePath);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32File>(h);
  }

  std::unique_ptr<File> createForWrite(const std::wstring& devicePath, bool hidden) override {
    const std::wstring path = device::hostPath(devicePath);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           attributesFor(hidden), nullptr);
    if (h == INVALID_HANDLE_VALUE && hidden) {
      // CREATE_ALWAYS refuses to overwrite a hidden file with other attributes;
      // clear them and try once more.
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                      attributesFor(hidden), nullptr);
    }
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32File>(h);
  }

  bool moveReplacing(const std::wstring& deviceFrom, const std::wstring& deviceTo,
                     bool hidden) override {
    const std::wstring from = device::hostPath(deviceFrom);
    const std::wstring to = device::hostPath(deviceTo);
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    if (hidden) SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_HIDDEN);
    return true;
  }

  bool remove(const std::wstring& path) override {
    return DeleteFileW(device::hostPath(path).c_str()) != 0;
  }

  bool exists(const std::wstring& path) override {
    return GetFileAttributesW(device::hostPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
};

}  // namespace

FileSystem& platformFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

}  // namespace morvane
