// What the editor's logic needs from the world around it: the dialog's
// controls, questions to the user, file-name choosers and file storage. The
// Windows program implements them with controls and common dialogs; tests
// implement them with scripted fakes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/editor_item.h"
#include "core/text_codec.h"

namespace quillmark {

class DialogControls {
 public:
  virtual ~DialogControls() = default;

  // The text of the Hanzi, reading and meaning edit boxes, at most 249 characters.
  virtual std::wstring hanziText() = 0;
  virtual std::wstring readingText() = 0;
  virtual std::wstring meaningText() = 0;

  // Puts the item's fields into the three edit boxes. Like typing, this raises
  // the edit boxes' change notification, which marks the lesson modified.
  virtual void setTexts(const EditorItem& item) = 0;

  // The item list: one line per item, showing its Hanzi.
  virtual void insertListLine(int index, const std::wstring& text) = 0;
  virtual void deleteListLine(int index) = 0;
  virtual void clearList() = 0;
  // Replaces every line of the list at once, with one repaint however many
  // lines there are.
  virtual void setListLines(const std::vector<std::wstring>& lines) = 0;
  virtual void selectListLine(int index) = 0;
  // The selected line, or -1.
  virtual int listSelection() = 0;

  virtual void focusHanzi() = 0;
  virtual void setWindowTitle(const std::wstring& title) = 0;
  // Runs the About box until the user closes it.
  virtual void showAbout() = 0;
};

// Questions and notices under the title "Lesson Editor Message".
class UserPrompt {
 public:
  virtual ~UserPrompt() = default;
  // True if the user answers Yes.
  virtual bool askYesNo(const std::wstring& question) = 0;
  virtual void tell(const std::wstring& message) = 0;
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // Asks for an existing lesson file; false if the user cancels.
  virtual bool chooseFileToOpen(std::wstring& path) = 0;
  // Asks for a file to save to (default extension "gb"); false if the user cancels.
  virtual bool chooseFileToSave(std::wstring& path) = 0;
};

class LessonStorage {
 public:
  virtual ~LessonStorage() = default;
  // The file's bytes, or none if it cannot be opened.
  virtual std::unique_ptr<ByteSource> openForRead(const std::wstring& path) = 0;
  // Replaces the file's contents with bytes; the old file stays intact on failure.
  virtual bool replaceContents(const std::wstring& path, const std::string& bytes) = 0;
};

}  // namespace quillmark
