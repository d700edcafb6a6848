// Lesson files on disk.
#pragma once

#include "core/editor_ports.h"

namespace quillmark {

class FileLessonStorage : public LessonStorage {
 public:
  std::unique_ptr<ByteSource> openForRead(const std::wstring& path) override;
  // Writes a temporary file beside path and moves it over path only once it
  // is complete, so a failed write leaves the old lesson as it was.
  bool replaceContents(const std::wstring& path, const std::string& bytes) override;
};

}  // namespace quillmark
