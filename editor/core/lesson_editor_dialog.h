// The lesson editor's behaviour: the items, the current one, navigation,
// checking, and the File commands. The Windows dialog routes its controls'
// notifications and commands here; tests drive it through fakes of the ports.
#pragma once

#include <string>
#include <vector>

#include "core/editor_item.h"
#include "core/editor_ports.h"
#include "core/lesson_file.h"
#include "core/text_codec.h"

namespace quillmark {

class LessonEditorDialog {
 public:
  // Open loads at most maxItems items.
  LessonEditorDialog(DialogControls& controls, UserPrompt& prompt, FileChooser& chooser,
                     LessonStorage& storage, const TextCodec& codec, size_t maxItems = kMaxItems);

  // A new lesson of one empty item, titled "(New)", not modified.
  void start();

  // Stores the edit boxes into the current item unless the Hanzi box is
  // empty, offering to fix what a lesson file cannot carry. False if nothing
  // was stored.
  bool storeCurrentItem();
  // Shows the item in the edit boxes and selects its line (no-op past the end).
  void showItem(int index);
  // A new empty item before the current one, shown.
  void insertEmptyItem();
  // Rebuilds the item list and shows the current item.
  void refreshList();
  void setTitle(const std::wstring& name);

  bool checkItem(int index) const;
  void fixItem(int index);
  bool checkAll() const;
  void fixAll();

  // The dialog's commands.
  void next();
  void previous();
  void selectItem();  // the list's selection changed
  void insertItem();
  void deleteItem();
  void about();
  void textChanged() { modified_ = true; }
  void newLesson();
  void openLesson();
  // Opens the lesson at path as Open does once it is chosen (the file named
  // on the command line), with the same messages for a file it cannot read.
  void openLessonFile(const std::wstring& path);
  void save();
  void saveAs();
  // Offers to save unsaved changes; false if the dialog must stay open
  // because the lesson could not be written.
  bool confirmClose();

  const std::vector<EditorItem>& items() const { return items_; }
  int currentIndex() const { return currentIndex_; }
  bool modified() const { return modified_; }
  const std::wstring& currentFile() const { return currentFile_; }

 private:
  enum class SaveResult { Saved, Cancelled, Failed };

  // The first half of storeCurrentItem: the edit boxes into the current item
  // and its list line, without the fix question. False if the Hanzi box is empty.
  bool copyEditBoxes();
  void showItemKeepingModified(int index);
  void setListLine(int index, const std::wstring& text);
  // Offers "Save changes?"; false if the user said Yes and writing failed.
  bool offerToSave();
  SaveResult saveLesson();
  SaveResult saveLessonAs();
  void offerToFixAll();
  SaveResult writeTo(const std::wstring& path);
  // Tells what the load could not keep, and remembers it for mayWriteOver.
  void reportLoad(const std::wstring& path, const LoadedLesson& lesson);
  // Asks before the lesson is written over the file it was loaded from
  // shortened; false if the user says No.
  bool mayWriteOver(const std::wstring& path);

  DialogControls& controls_;
  UserPrompt& prompt_;
  FileChooser& chooser_;
  LessonStorage& storage_;
  const TextCodec& codec_;
  const size_t maxItems_;

  std::vector<EditorItem> items_;
  int currentIndex_ = 0;
  bool modified_ = false;
  std::wstring currentFile_;
  // The file the lesson was loaded from, when the load had to shorten it, and
  // what was lost ("lines shortened: 3, 5").
  std::wstring shortenedFile_;
  std::wstring loadLosses_;
};

}  // namespace quillmark
