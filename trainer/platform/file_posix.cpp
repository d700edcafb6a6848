// Files on POSIX systems (the native build of the core, its tools and tests).
#include <sys/stat.h>

#include <cstdio>

#include "file.h"
#include "utf8.h"

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

 private:
  FILE* f_;
};

std::string nativePath(const std::wstring& path) { return toUtf8(path); }

}  // namespace

std::unique_ptr<File> openFileForRead(const std::wstring& path) {
  FILE* f = std::fopen(nativePath(path).c_str(), "rb");
  if (!f) return nullptr;
  struct stat st;
  if (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
    std::fclose(f);
    return nullptr;
  }
  return std::make_unique<PosixFile>(f);
}

std::unique_ptr<File> createFileForWrite(const std::wstring& path, bool /*hidden*/) {
  FILE* f = std::fopen(nativePath(path).c_str(), "wb");
  if (!f) return nullptr;
  return std::make_unique<PosixFile>(f);
}

bool replaceFileContents(const std::wstring& path, const void* data, size_t n, bool /*hidden*/) {
  std::string target = nativePath(path);
  std::string temp = target + ".new";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(data, 1, n, f) == n;
  ok = (std::fclose(f) == 0) && ok;
  if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

bool pathExists(const std::wstring& path) {
  struct stat st;
  return stat(nativePath(path).c_str(), &st) == 0;
}

}  // namespace morvane
