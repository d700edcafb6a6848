// Conversion between the editor's wide text and the bytes of a lesson file.
// Windows converts with code page 936; tests bring their own small tables.
#pragma once

#include <string>

namespace quillmark {

class TextCodec {
 public:
  virtual ~TextCodec() = default;

  // Appends the file form of text to out. A character that has no file form
  // is written as "?" and makes the call return false.
  virtual bool encode(const std::wstring& text, std::string& out) const = 0;

  // The wide form of bytes; byte sequences that form no character become a
  // replacement character, so nothing stops the conversion.
  virtual std::wstring decode(const std::string& bytes) const = 0;
};

// Where a lesson file is read from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // Reads up to n bytes; 0 means the end of the data or a failure.
  virtual size_t read(char* buffer, size_t n) = 0;
};

}  // namespace quillmark
