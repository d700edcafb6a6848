// Replacing a lesson file so that an interrupted save never leaves a mix of
// old and new: the new contents go to a file beside the old one, which they
// replace only once every byte is stored. The disk is behind a small port,
// so tests can fail any step of it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace quillmark {

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Stores n bytes; false if not all could be stored.
  virtual bool write(const char* bytes, size_t n) = 0;
  // Pushes the stored bytes to the disk; false if that failed.
  virtual bool flush() = 0;
};

class LessonDisk {
 public:
  virtual ~LessonDisk() = default;
  // True if path names a file that must not be replaced.
  virtual bool isReadOnly(const std::wstring& path) = 0;
  // A new empty file in the folder of path, named in temporary; none if it
  // cannot be made.
  virtual std::unique_ptr<OutputFile> createBeside(const std::wstring& path,
                                                   std::wstring& temporary) = 0;
  // Renames from to to, replacing to in one step.
  virtual bool moveReplacing(const std::wstring& from, const std::wstring& to) = 0;
  virtual void remove(const std::wstring& path) = 0;
};

// Bytes go to the disk in pieces of this size.
constexpr size_t kWriteChunk = 1 << 20;

// Replaces the contents of path with bytes; on any failure the old file
// stays as it was and no temporary file is left.
bool replaceSafely(LessonDisk& disk, const std::wstring& path, const std::string& bytes);

}  // namespace quillmark
