// Files as the platform-neutral core sees them. One implementation per platform
// (file_win32.cpp, file_posix.cpp) behind file_system.h, where tests and fuzz
// targets put files held in memory or files that fail on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace morvane {

class File {
 public:
  virtual ~File() = default;

  // Reads up to n bytes at the current position and advances past them.
  // Returns the number of bytes read; 0 means the end of the data or an error.
  virtual size_t read(void* buffer, size_t n) = 0;

  // Writes all n bytes; false if any could not be written.
  virtual bool write(const void* buffer, size_t n) = 0;

  // Moves the position by delta bytes from the current one (may be negative).
  virtual bool seekRelative(int64_t delta) = 0;

  // Moves the position to offset bytes from the start.
  virtual bool seekTo(uint64_t offset) = 0;

  // The file's current length in bytes, or -1 if it cannot be told.
  virtual int64_t size() = 0;

  // Pushes every byte written so far to the storage; false if any could not
  // be stored.
  virtual bool flush() { return true; }
};

// Opens an existing file for reading (shared for reading by others), or none.
std::unique_ptr<File> openFileForRead(const std::wstring& path);

// Creates or truncates a file for writing, or none. A hidden file gets the
// platform's hidden attribute where it has one.
std::unique_ptr<File> createFileForWrite(const std::wstring& path, bool hidden);

// Writes data to path so that the old file is replaced only once the new
// contents are complete: an interrupted write leaves the previous file intact.
bool replaceFileContents(const std::wstring& path, const void* data, size_t n, bool hidden);

// True if path names an existing file or folder.
bool pathExists(const std::wstring& path);

}  // namespace morvane
