// Lesson text in code page 936 (GBK), the form the trainer reads as ".gb".
#pragma once

#include "core/text_codec.h"

namespace quillmark {

class Cp936Codec : public TextCodec {
 public:
  bool encode(const std::wstring& text, std::string& out) const override;
  std::wstring decode(const std::string& bytes) const override;
};

}  // namespace quillmark
