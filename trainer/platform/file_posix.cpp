// Files on POSIX systems (the native build of the core, its tools and tests).
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/file_system.h"
#include "platform/utf8.h"

namespace morvane {

namespace {

class PosixFile : public File {
 public:
  explicit PosixFile(FILE* f) : f_(f) {}
  ~PosixFile() override { std::fclose(f_); }

  size_t read(void* buffer, size_t n) override { return std::fread(buffer, 1, n, f_); }
  bool write(const void* buffer, size_t n) override { return std::fwrite(buffer, 1, n, f_) == n; }
  bool seekRelative(int64_t delta) override { return fseeko(f_, delta, SEEK_CUR) == 0; }
  bool seekTo(uint64_t offset) override {
    return fseeko(f_, static_cast<off_t>(offset), SEEK_SET) == 0;
  }
  int64_t size() override {
    struct stat st;
    if (fstat(fileno(f_), &st) != 0) return -1;
    return st.st_size;
  }
  bool flush() override { return std::fflush(f_) == 0 && fsync(fileno(f_)) == 0; }

 private:
  FILE* f_;
};

std::string nativePath(const std::wstring& path) { return toUtf8(path); }

class PosixFileSystem : public FileSystem {
 public:
  std::unique_ptr<File> openForRead(const std::wstring& path) override {
    FILE* f = std::fopen(nativePath(path).c_str(), "rb");
    if (!f) return nullptr;
    struct stat st;
    if (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
      std::fclose(f);
      return nullptr;
    }
    return std::make_unique<PosixFile>(f);
  }

  std::unique_ptr<File> createForWrite(const std::wstring& path, bool /*hidden*/) override {
    FILE* f = std::fopen(nativePath(path).c_str(), "wb");
    if (!f) return nullptr;
    return std::make_unique<PosixFile>(f);
  }

  bool moveReplacing(const std::wstring& from, const std::wstring& to, bool /*hidden*/) override {
    return std::rename(nativePath(from).c_str(), nativePath(to).c_str()) == 0;
  }

  bool remove(const std::wstring& path) override {
    return std::remove(nativePath(path).c_str()) == 0;
  }

  bool exists(const std::wstring& path) override {
    struct stat st;
    return stat(nativePath(path).c_str(), &st) == 0;
  }
};

}  // namespace

FileSystem& platformFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

}  // namespace morvane
