// The file functions of the core, over whichever file system is current, and
// the safe replacement of a file's contents.
#include "platform/file.h"

#include "platform/file_system.h"

namespace morvane {

namespace {

FileSystem* current = nullptr;

}  // namespace

FileSystem& currentFileSystem() { return current ? *current : platformFileSystem(); }

ScopedFileSystem::ScopedFileSystem(FileSystem& fs) : previous_(current) { current = &fs; }

ScopedFileSystem::~ScopedFileSystem() { current = previous_; }

std::unique_ptr<File> openFileForRead(const std::wstring& path) {
  return currentFileSystem().openForRead(path);
}

std::unique_ptr<File> createFileForWrite(const std::wstring& path, bool hidden) {
  return currentFileSystem().createForWrite(path, hidden);
}

bool replaceFileContents(const std::wstring& path, const void* data, size_t n, bool hidden) {
  FileSystem& fs = currentFileSystem();
  // The new contents go to a file beside the old one, which they replace
  // only once every byte is stored.
  std::wstring temp = path + L".new";
  bool stored = false;
  if (std::unique_ptr<File> file = fs.createForWrite(temp, hidden)) {
    stored = file->write(data, n) && file->flush();
  }
  if (stored && fs.moveReplacing(temp, path, hidden)) return true;
  fs.remove(temp);
  return false;
}

bool pathExists(const std::wstring& path) { return currentFileSystem().exists(path); }

}  // namespace morvane
