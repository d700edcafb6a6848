// Lesson files on disk.
#pragma once

#include "core/editor_ports.h"
#include "core/safe_replace.h"

namespace quillmark {

class FileLessonStorage : public LessonStorage, public LessonDisk {
 public:
  std::unique_ptr<ByteSource> openForRead(const std::wstring& path) override;
  // Writes a temporary file beside path and moves it over path only once it
  // is complete, so a failed write leaves the old lesson as it was.
  bool replaceContents(const std::wstring& path, const std::string& bytes) override;

  bool isReadOnly(const std::wstring& path) override;
  std::unique_ptr<OutputFile> createBeside(const std::wstring& path,
                                           std::wstring& temporary) override;
  bool moveReplacing(const std::wstring& from, const std::wstring& to) override;
  void remove(const std::wstring& path) override;
};

}  // namespace quillmark
