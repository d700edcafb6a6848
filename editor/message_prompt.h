// Questions and notices as message boxes titled "Lesson Editor Message",
// owned by the editor.
#pragma once

#include "core/editor_ports.h"

namespace quillmark {

class MessagePrompt : public UserPrompt {
 public:
  bool askYesNo(const std::wstring& question) override;
  void tell(const std::wstring& message) override;
};

}  // namespace quillmark
