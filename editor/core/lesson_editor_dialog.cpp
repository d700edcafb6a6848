// Navigation, item checking and the File commands of the lesson editor.
#include "core/lesson_editor_dialog.h"

#include <algorithm>
#include <cwctype>

#include "core/item_check.h"

namespace quillmark {

namespace {

const wchar_t kTitlePrefix[] = L"MorvaneCHS Lesson Editor: ";
const wchar_t kNewLessonName[] = L"(New)";
const wchar_t kFixItemQuestion[] = L"Lesson item possibly contains errors. Fix?";
const wchar_t kFixAllQuestion[] = L"Fix errors?";
const wchar_t kSaveQuestion[] = L"Save changes?";

// "3, 5, 9", shortened after the first ten numbers.
std::wstring numberList(const std::vector<size_t>& numbers) {
  const size_t kShown = 10;
  std::wstring text;
  for (size_t i = 0; i < numbers.size() && i < kShown; ++i) {
    if (i > 0) text += L", ";
    text += std::to_wstring(numbers[i]);
  }
  if (numbers.size() > kShown) text += L", ...";
  return text;
}

wchar_t foldPathChar(wchar_t c) {
  return c == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(c));
}

// Windows file names: case and the kind of slash do not matter.
bool samePath(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return foldPathChar(x) == foldPathChar(y); });
}

std::wstring nameWithoutFolder(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

LessonEditorDialog::LessonEditorDialog(DialogControls& controls, UserPrompt& prompt,
                                       FileChooser& chooser, LessonStorage& storage,
                                       const TextCodec& codec, size_t maxItems)
    : controls_(controls),
      prompt_(prompt),
      chooser_(chooser),
      storage_(storage),
      codec_(codec),
      maxItems_(maxItems) {}

void LessonEditorDialog::start() {
  currentIndex_ = 0;
  insertEmptyItem();
  controls_.focusHanzi();
  currentFile_.clear();
  setTitle(kNewLessonName);
  modified_ = false;
}

bool LessonEditorDialog::storeCurrentItem() {
  if (!copyEditBoxes()) return false;
  if (!checkItem(currentIndex_) && prompt_.askYesNo(kFixItemQuestion)) {
    fixItem(currentIndex_);
    modified_ = true;
  }
  return true;
}

bool LessonEditorDialog::copyEditBoxes() {
  std::wstring hanzi = controls_.hanziText();
  if (hanzi.empty()) return false;
  setListLine(currentIndex_, hanzi);
  // Replacing the line drops the list's selection, which must stay on the current item.
  controls_.selectListLine(currentIndex_);
  EditorItem& item = items_[currentIndex_];
  item.setField(Field::Hanzi, hanzi);
  item.setField(Field::Reading, controls_.readingText());
  item.setField(Field::Meaning, controls_.meaningText());
  return true;
}

void LessonEditorDialog::showItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  controls_.setTexts(items_[index]);
  modified_ = true;  // as the edit boxes' change notification would
  controls_.selectListLine(index);
}

void LessonEditorDialog::showItemKeepingModified(int index) {
  bool wasModified = modified_;
  showItem(index);
  modified_ = wasModified;
}

void LessonEditorDialog::insertEmptyItem() {
  items_.insert(items_.begin() + currentIndex_, EditorItem{});
  controls_.insertListLine(currentIndex_, L"");
  showItem(currentIndex_);
}

void LessonEditorDialog::refreshList() {
  std::vector<std::wstring> lines;
  lines.reserve(items_.size());
  for (const EditorItem& item : items_) lines.push_back(item.fieldText(Field::Hanzi));
  controls_.setListLines(lines);
  showItem(currentIndex_);
}

void LessonEditorDialog::setTitle(const std::wstring& name) {
  controls_.setWindowTitle(kTitlePrefix + name);
}

void LessonEditorDialog::setListLine(int index, const std::wstring& text) {
  controls_.deleteListLine(index);
  controls_.insertListLine(index, text);
}

bool LessonEditorDialog::checkItem(int index) const { return quillmark::checkItem(items_[index]); }

void LessonEditorDialog::fixItem(int index) { quillmark::fixItem(items_[index]); }

bool LessonEditorDialog::checkAll() const {
  for (const EditorItem& item : items_) {
    if (!quillmark::checkItem(item)) return false;
  }
  return true;
}

void LessonEditorDialog::fixAll() {
  for (EditorItem& item : items_) quillmark::fixItem(item);
}

void LessonEditorDialog::next() {
  const int last = static_cast<int>(items_.size()) - 1;
  if (!storeCurrentItem() && currentIndex_ >= last) {
    controls_.focusHanzi();
    return;
  }
  ++currentIndex_;
  if (currentIndex_ <= last) {
    showItemKeepingModified(currentIndex_);
  } else {
    insertEmptyItem();
  }
  controls_.focusHanzi();
}

void LessonEditorDialog::previous() {
  if (currentIndex_ > 0) {
    storeCurrentItem();
    --currentIndex_;
    showItemKeepingModified(currentIndex_);
  }
  controls_.focusHanzi();
}

void LessonEditorDialog::selectItem() {
  int index = controls_.listSelection();
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  storeCurrentItem();
  currentIndex_ = index;
  showItemKeepingModified(currentIndex_);
  controls_.focusHanzi();
}

void LessonEditorDialog::insertItem() {
  // What was typed into the current item would be lost once another is shown.
  // Kept without the fix question, which Insert never asked; Save still offers it.
  copyEditBoxes();
  insertEmptyItem();
  modified_ = true;
  controls_.focusHanzi();
}

void LessonEditorDialog::deleteItem() {
  const int last = static_cast<int>(items_.size()) - 1;
  if (currentIndex_ < last) {
    controls_.deleteListLine(currentIndex_);
    items_.erase(items_.begin() + currentIndex_);
    controls_.selectListLine(currentIndex_);
  } else {
    items_[currentIndex_] = EditorItem{};
    setListLine(currentIndex_, L"");
  }
  showItem(currentIndex_);
  modified_ = true;
  controls_.focusHanzi();
}

void LessonEditorDialog::about() {
  storeCurrentItem();
  controls_.showAbout();
}

bool LessonEditorDialog::offerToSave() {
  if (!modified_ || !prompt_.askYesNo(kSaveQuestion)) return true;
  // A Save As cancelled here leaves the lesson unsaved, as a failed write does.
  return saveLesson() == SaveResult::Saved;
}

void LessonEditorDialog::newLesson() {
  if (!offerToSave()) return;
  items_.clear();
  currentIndex_ = 0;
  controls_.clearList();
  insertEmptyItem();
  refreshList();
  controls_.focusHanzi();
  modified_ = false;
  currentFile_.clear();
  shortenedFile_.clear();
  setTitle(kNewLessonName);
}

void LessonEditorDialog::openLesson() {
  storeCurrentItem();
  if (!offerToSave()) return;
  std::wstring path;
  if (chooser_.chooseFileToOpen(path)) openLessonFile(path);
}

void LessonEditorDialog::openLessonFile(const std::wstring& path) {
  std::unique_ptr<ByteSource> source = storage_.openForRead(path);
  if (!source) {
    // Keeping the current lesson: an empty one in its place could later be
    // saved over a file that was only locked for a moment.
    prompt_.tell(L"The file \"" + path + L"\" could not be opened.");
    return;
  }
  currentFile_ = path;
  setTitle(nameWithoutFolder(path));
  LoadedLesson lesson = loadLessonFile(*source, codec_, maxItems_);
  items_.swap(lesson.items);
  currentIndex_ = 0;
  refreshList();
  modified_ = false;
  reportLoad(path, lesson);
}

void LessonEditorDialog::reportLoad(const std::wstring& path, const LoadedLesson& lesson) {
  std::wstring losses;
  if (!lesson.shortenedLines.empty()) {
    prompt_.tell(L"Some lines were too long for a lesson item and were shortened. Lines: " +
                 numberList(lesson.shortenedLines) + L".");
    losses = L"lines shortened: " + numberList(lesson.shortenedLines);
  }
  if (lesson.tooManyItems) {
    const std::wstring limit = std::to_wstring(maxItems_);
    prompt_.tell(L"The file holds more items than the editor can hold; only the first " + limit +
                 L" were loaded.");
    if (!losses.empty()) losses += L"; ";
    losses += L"items after the first " + limit + L" left out";
  }
  shortenedFile_ = losses.empty() ? std::wstring() : path;
  loadLosses_ = losses;
}

bool LessonEditorDialog::mayWriteOver(const std::wstring& path) {
  if (shortenedFile_.empty() || !samePath(path, shortenedFile_)) return true;
  return prompt_.askYesNo(L"\"" + path + L"\" was not loaded whole (" + loadLosses_ +
                          L"). Saving writes the shortened lesson over it, and what was not "
                          L"loaded is lost. Save anyway?");
}

void LessonEditorDialog::save() { saveLesson(); }

void LessonEditorDialog::saveAs() { saveLessonAs(); }

LessonEditorDialog::SaveResult LessonEditorDialog::saveLesson() {
  storeCurrentItem();
  // Save As stores the edit boxes again, so a failing item is offered for fixing twice.
  if (currentFile_.empty()) return saveLessonAs();
  offerToFixAll();
  if (!mayWriteOver(currentFile_)) return SaveResult::Cancelled;
  return writeTo(currentFile_);
}

LessonEditorDialog::SaveResult LessonEditorDialog::saveLessonAs() {
  storeCurrentItem();
  offerToFixAll();
  std::wstring path;
  if (!chooser_.chooseFileToSave(path) || !mayWriteOver(path)) return SaveResult::Cancelled;
  currentFile_ = path;
  setTitle(nameWithoutFolder(path));
  return writeTo(path);
}

void LessonEditorDialog::offerToFixAll() {
  if (!checkAll() && prompt_.askYesNo(kFixAllQuestion)) {
    fixAll();
    refreshList();
  }
}

LessonEditorDialog::SaveResult LessonEditorDialog::writeTo(const std::wstring& path) {
  WrittenLesson lesson = writeLessonFile(items_, codec_);
  if (!storage_.replaceContents(path, lesson.bytes)) {
    prompt_.tell(L"The lesson could not be written to \"" + path +
                 L"\". Your changes are not saved.");
    return SaveResult::Failed;
  }
  modified_ = false;
  // The file now holds what the editor holds; nothing more is lost by writing it.
  if (samePath(path, shortenedFile_)) shortenedFile_.clear();
  if (!lesson.itemsWithLostCharacters.empty()) {
    prompt_.tell(
        L"Some characters have no code page 936 (GBK) form and were saved as \"?\". Items: " +
        numberList(lesson.itemsWithLostCharacters) + L".");
  }
  return SaveResult::Saved;
}

bool LessonEditorDialog::confirmClose() { return offerToSave(); }

}  // namespace quillmark
