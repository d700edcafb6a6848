// The steps of a safe replacement.
#include "core/safe_replace.h"

#include <algorithm>

namespace quillmark {

bool replaceSafely(LessonDisk& disk, const std::wstring& path, const std::string& bytes) {
  // Moving over a read-only file succeeds on some systems; it must not.
  if (disk.isReadOnly(path)) return false;
  std::wstring temporary;
  bool stored = false;
  if (std::unique_ptr<OutputFile> file = disk.createBeside(path, temporary)) {
    stored = true;
    for (size_t done = 0; stored && done < bytes.size(); done += kWriteChunk) {
      stored = file->write(bytes.data() + done, std::min(kWriteChunk, bytes.size() - done));
    }
    stored = stored && file->flush();
  } else if (temporary.empty()) {
    return false;
  }
  if (stored && disk.moveReplacing(temporary, path)) return true;
  disk.remove(temporary);
  return false;
}

}  // namespace quillmark
