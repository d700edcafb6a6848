// Message handling of the lesson editor's dialog window.
#include "editor_window.h"

#include "resource.h"

namespace quillmark {

namespace {

// The command the dialog posts itself to open the command line's lesson
// (no menu or control has it).
constexpr int kOpenStartFile = 0x7F00;

}  // namespace

EditorWindow::EditorWindow(HINSTANCE instance, UserPrompt& prompt, FileChooser& chooser,
                           LessonStorage& storage, const TextCodec& codec)
    : instance_(instance), editor_(*this, prompt, chooser, storage, codec) {}

EditorWindow::~EditorWindow() {
  // Destroyed here, while the handlers of this class still exist.
  if (handle()) DestroyWindow(handle());
}

int EditorWindow::templateId() { return IDD_QUILLMARK_DIALOG; }

BOOL EditorWindow::onInitDialog() {
  addAboutToSystemMenu();
  icon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXICON),
                                        GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  createHanziFont();
  // Nothing longer than a field holds can be typed, so nothing is cut on storing.
  for (int id : {IDC_HANZI, IDC_READING, IDC_MEANING}) {
    SendDlgItemMessageW(handle(), id, EM_LIMITTEXT, kFieldLength - 1, 0);
  }
  editor_.start();
  // Opened once the dialog shows, so that a message about the file has it
  // to stand on.
  if (!startPath_.empty()) PostMessageW(handle(), WM_COMMAND, kOpenStartFile, 0);
  return FALSE;  // the focus is on the Hanzi box already
}

void EditorWindow::addAboutToSystemMenu() {
  HMENU systemMenu = GetSystemMenu(handle(), FALSE);
  if (!systemMenu) return;
  AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, L"&About Quillmark...");
}

void EditorWindow::createHanziFont() {
  LOGFONTW font = {};
  HDC screen = GetDC(nullptr);
  font.lfHeight = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfPitchAndFamily = FF_SWISS;
  hanziFont_ = CreateFontIndirectW(&font);
  if (!hanziFont_) return;
  SendDlgItemMessageW(handle(), IDC_HANZI, WM_SETFONT, reinterpret_cast<WPARAM>(hanziFont_), TRUE);
  SendDlgItemMessageW(handle(), IDC_ITEM_LIST, WM_SETFONT, reinterpret_cast<WPARAM>(hanziFont_),
                      TRUE);
}

bool EditorWindow::onCommand(int id, int code, HWND) {
  if (id == kOpenStartFile && !startPath_.empty()) {
    editor_.openLessonFile(startPath_);
    startPath_.clear();
    return true;
  }
  switch (id) {
    case IDC_NEXT: editor_.next(); return true;
    case IDC_PREVIOUS: editor_.previous(); return true;
    case IDC_DELETE: editor_.deleteItem(); return true;
    case IDC_INSERT: editor_.insertItem(); return true;
    case IDC_ITEM_LIST:
      if (code == LBN_SELCHANGE) editor_.selectItem();
      return true;
    case IDC_HANZI:
    case IDC_READING:
    case IDC_MEANING:
      if (code == EN_CHANGE) editor_.textChanged();
      return true;
    case ID_FILE_OPEN: editor_.openLesson(); return true;
    case ID_FILE_NEW: editor_.newLesson(); return true;
    case ID_FILE_SAVE: editor_.save(); return true;
    case ID_FILE_SAVE_AS: editor_.saveAs(); return true;
    case ID_FILE_EXIT: onOk(); return true;
    case ID_HELP_ABOUT: editor_.about(); return true;
    default: return false;
  }
}

// Closing asks about unsaved changes before the window goes, so that a lesson
// that could not be written stays open instead of being lost.
void EditorWindow::onOk() {
  if (editor_.confirmClose()) endDialog(IDOK);
}

void EditorWindow::onCancel() {
  if (editor_.confirmClose()) endDialog(IDCANCEL);
}

bool EditorWindow::onSysCommand(WPARAM command) {
  if ((command & 0xFFF0) != IDM_ABOUTBOX) return false;
  // Unlike Help > About..., the system-menu entry leaves the edit boxes alone.
  showAbout();
  return true;
}

bool EditorWindow::onPaint() {
  if (!IsIconic(handle())) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(handle(), &paint);
  SendMessageW(handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(handle(), &client);
  int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
  int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, icon_);
  EndPaint(handle(), &paint);
  return true;
}

void EditorWindow::onDestroy() {
  if (hanziFont_) DeleteObject(hanziFont_);
  hanziFont_ = nullptr;
  // Icons loaded by LoadImage without LR_SHARED belong to us.
  if (icon_) DestroyIcon(icon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
  icon_ = smallIcon_ = nullptr;
}

std::wstring EditorWindow::editText(int id) {
  wchar_t text[kFieldLength] = {};
  GetDlgItemTextW(handle(), id, text, kFieldLength);
  return text;
}

std::wstring EditorWindow::hanziText() { return editText(IDC_HANZI); }
std::wstring EditorWindow::readingText() { return editText(IDC_READING); }
std::wstring EditorWindow::meaningText() { return editText(IDC_MEANING); }

void EditorWindow::setTexts(const EditorItem& item) {
  SetDlgItemTextW(handle(), IDC_HANZI, item.fieldText(Field::Hanzi).c_str());
  SetDlgItemTextW(handle(), IDC_READING, item.fieldText(Field::Reading).c_str());
  SetDlgItemTextW(handle(), IDC_MEANING, item.fieldText(Field::Meaning).c_str());
}

void EditorWindow::insertListLine(int index, const std::wstring& text) {
  SendDlgItemMessageW(handle(), IDC_ITEM_LIST, LB_INSERTSTRING, index,
                      reinterpret_cast<LPARAM>(text.c_str()));
}

void EditorWindow::deleteListLine(int index) {
  SendDlgItemMessageW(handle(), IDC_ITEM_LIST, LB_DELETESTRING, index, 0);
}

void EditorWindow::clearList() {
  SendDlgItemMessageW(handle(), IDC_ITEM_LIST, LB_RESETCONTENT, 0, 0);
}

void EditorWindow::setListLines(const std::vector<std::wstring>& lines) {
  // Filled line by line with a repaint each, a dictionary-sized lesson takes a minute.
  HWND list = item(IDC_ITEM_LIST);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  size_t bytes = 0;
  for (const std::wstring& line : lines) bytes += (line.size() + 1) * sizeof(wchar_t);
  SendMessageW(list, LB_INITSTORAGE, lines.size(), static_cast<LPARAM>(bytes));
  for (const std::wstring& line : lines) {
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(line.c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void EditorWindow::selectListLine(int index) {
  SendDlgItemMessageW(handle(), IDC_ITEM_LIST, LB_SETCURSEL, index, 0);
}

int EditorWindow::listSelection() {
  return static_cast<int>(SendDlgItemMessageW(handle(), IDC_ITEM_LIST, LB_GETCURSEL, 0, 0));
}

void EditorWindow::focusHanzi() { SetFocus(item(IDC_HANZI)); }

void EditorWindow::setWindowTitle(const std::wstring& title) {
  SetWindowTextW(handle(), title.c_str());
}

void EditorWindow::showAbout() {
  DialogWindow about;
  about.runModal(instance_, IDD_ABOUTBOX, handle());
}

}  // namespace quillmark
