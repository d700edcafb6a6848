// The common Open and Save As dialogs for lesson files, owned by the editor.
#pragma once

#include "core/editor_ports.h"

namespace quillmark {

class CommonFileChooser : public FileChooser {
 public:
  bool chooseFileToOpen(std::wstring& path) override;
  bool chooseFileToSave(std::wstring& path) override;

 private:
  bool choose(bool forSaving, std::wstring& path);

  bool used_ = false;  // a dialog was shown already
};

}  // namespace quillmark
