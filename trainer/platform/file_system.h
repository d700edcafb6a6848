// Where the core's files live. The platform's own file system serves the
// programs; tests and fuzz targets put another in its place (files held in
// memory, or one that fails on purpose) while a ScopedFileSystem lives.
#pragma once

#include <memory>
#include <string>

#include "platform/file.h"

namespace morvane {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // An existing file opened for reading, or none.
  virtual std::unique_ptr<File> openForRead(const std::wstring& path) = 0;
  // A new or truncated file opened for writing, or none; hidden where the
  // platform has the attribute.
  virtual std::unique_ptr<File> createForWrite(const std::wstring& path, bool hidden) = 0;
  // Renames from to to, replacing to in one step; to ends up hidden if asked.
  virtual bool moveReplacing(const std::wstring& from, const std::wstring& to, bool hidden) = 0;
  virtual bool remove(const std::wstring& path) = 0;
  // True if path names an existing file or folder.
  virtual bool exists(const std::wstring& path) = 0;
};

// The platform's real file system.
FileSystem& platformFileSystem();

// The file system the file functions of file.h use now.
FileSystem& currentFileSystem();

// Makes fs the current file system until this object goes.
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& fs);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

}  // namespace morvane
