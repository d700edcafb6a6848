// The "Open Multiple Files" dialog: its controls, layout and commands.
#include "chooser/file_chooser.h"

#include "chooser/chooser_layout.h"
#include "chooser/default_folders.h"
#include "chooser/dialog_placement.h"
#include "device/caption_ok.h"
#include "resources/resource.h"

namespace morvane {

namespace {

// The dialog procedure reaches the running chooser through this pointer.
FileChooser* runningChooser = nullptr;

const wchar_t kAllFolders[] = L"<All Folders>";
// Pixels a list box item has around its text.
constexpr LONG kItemMargin = 4;

HWND createControl(HWND dialog, const wchar_t* windowClass, const wchar_t* text, int id,
                   DWORD extraStyle) {
  HWND control = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | extraStyle, 0, 0,
                                 0, 0, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 nullptr, nullptr);
  SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
  return control;
}

void place(HWND control, const LayoutBox& r) {
  MoveWindow(control, r.x, r.y, r.width, r.height, FALSE);
}

int32_t windowHeight(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

LayoutBox windowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A 10-point fixed-pitch font, so that the label columns line up.
HFONT createListFont(HWND dialog) {
  HDC dc = GetDC(dialog);
  LOGFONTW font = {};
  font.lfHeight = -(10 * GetDeviceCaps(dc, LOGPIXELSY)) / 72;
  font.lfPitchAndFamily = FIXED_PITCH;
  ReleaseDC(dialog, dc);
  return CreateFontIndirectW(&font);
}

// The width of the widest label in the list's font, with the margin the list
// box leaves before each item, so that its scroll bar reaches every label's end.
WPARAM widestLabel(HWND list, const std::vector<std::wstring>& labels) {
  HDC dc = GetDC(list);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
  LONG widest = 0;
  for (const std::wstring& label : labels) {
    SIZE extent = {0, 0};
    GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &extent);
    if (extent.cx > widest) widest = extent.cx;
  }
  SelectObject(dc, previous);
  ReleaseDC(list, dc);
  return static_cast<WPARAM>(widest > 0 ? widest + kItemMargin : 0);
}

}  // namespace

FileChooser::FileChooser(std::optional<std::wstring> startFolder, std::wstring pattern,
                         std::vector<FileType> fileTypes, HWND owner, HINSTANCE instance,
                         bool includeSubfolders, DeviceFiles& device)
    : owner_(owner),
      instance_(instance),
      pattern_(std::move(pattern)),
      fileTypes_(std::move(fileTypes)),
      device_(device) {
  if (startFolder) {
    entries_.scanFolders(device_, {*startFolder}, pattern_, false);
  } else {
    entries_.scanFolders(device_, buildDefaultFolders(device_), pattern_, includeSubfolders);
  }
}

FileChooser::~FileChooser() {
  if (listFont_) DeleteObject(listFont_);
}

BOOL FileChooser::runChooser() {
  const DLGTEMPLATE* dialog = loadDialogTemplate(instance_, MAKEINTRESOURCEW(IDD_OPEN_MULTIPLE));
  if (!dialog) return FALSE;
  selection_.clear();
  FileChooser* outer = runningChooser;
  runningChooser = this;
  const INT_PTR result = device::DialogBoxIndirectParamW(instance_, dialog, owner_, dialogProc, 0);
  runningChooser = outer;
  return result == TRUE;
}

INT_PTR CALLBACK FileChooser::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  FileChooser* chooser = runningChooser;
  if (!chooser) return FALSE;
  switch (message) {
    case WM_INITDIALOG:
      chooser->initDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          chooser->acceptSelection(dialog);
          EndDialog(dialog, TRUE);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, FALSE);
          return TRUE;
        case IDC_CHOOSER_TYPE:
        case IDC_CHOOSER_FOLDER:
          if (HIWORD(wParam) != CBN_SELCHANGE) return FALSE;
          chooser->rescan(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

void FileChooser::initDialog(HWND dialog) {
  folderLists_.clear();
  createControls(dialog);

  if (listFont_) DeleteObject(listFont_);
  listFont_ = createListFont(dialog);
  SendMessageW(GetDlgItem(dialog, IDC_CHOOSER_FILES), WM_SETFONT,
               reinterpret_cast<WPARAM>(listFont_), FALSE);
  fillList(dialog);
}

void FileChooser::createControls(HWND dialog) {
  const LayoutBox box = windowRect(dialog);
  const ChooserLayout layout(box.width, box.height, HIWORD(GetDialogBaseUnits()),
                             GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME),
                             GetSystemMetrics(SM_CYCAPTION));
  const LayoutBox centred = centredOver(windowRect(GetParent(dialog)), box.width, box.height);

  HWND folderLabel = createControl(dialog, L"static", L"Folder:", IDC_CHOOSER_STATIC, 0);
  HWND folderCombo = createControl(dialog, L"combobox", nullptr, IDC_CHOOSER_FOLDER,
                                   WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST);
  HWND typeLabel = createControl(dialog, L"static", L"File Type:", IDC_CHOOSER_STATIC, 0);
  HWND typeCombo = createControl(dialog, L"combobox", nullptr, IDC_CHOOSER_TYPE,
                                 WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST);
  HWND fileHeader = createControl(dialog, L"button", L"File", IDC_CHOOSER_STATIC, 0);
  HWND folderHeader = createControl(dialog, L"button", L"Folder", IDC_CHOOSER_STATIC, 0);
  HWND list = createControl(
      dialog, L"listbox", nullptr, IDC_CHOOSER_FILES,
      WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_MULTIPLESEL | LBS_EXTENDEDSEL |
          LBS_NOINTEGRALHEIGHT);

  place(folderCombo, layout.folderCombo());
  fillFolderCombo(folderCombo);
  const int32_t folderHeight = windowHeight(folderCombo);
  place(folderLabel, layout.folderLabel(folderHeight));

  place(typeCombo, layout.typeCombo(folderHeight));
  for (const FileType& type : fileTypes_) {
    SendMessageW(typeCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.label.c_str()));
  }
  SendMessageW(typeCombo, CB_SETCURSEL, 0, 0);
  const int32_t typeHeight = windowHeight(typeCombo);
  place(typeLabel, layout.typeLabel(typeHeight));

  place(fileHeader, layout.fileHeader(typeHeight));
  place(folderHeader, layout.folderHeader(typeHeight));
  place(list, layout.fileList(typeHeight));
  MoveWindow(dialog, centred.x, centred.y, box.width, box.height, FALSE);
}

// "<All Folders>" stands for the default folders; after it, every direct
// subfolder of them by name.
void FileChooser::fillFolderCombo(HWND combo) {
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kAllFolders));
  const std::vector<std::wstring> folders = buildDefaultFolders(device_);
  folderLists_.push_back(folders);
  for (const std::wstring& folder : folders) {
    for (const FolderEntry& entry : device_.find(folder + L"\\*")) {
      const std::wstring path = folder + L"\\" + entry.name;
      if (!device_.isDirectory(path)) continue;
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
      folderLists_.push_back({path});
    }
  }
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

void FileChooser::fillList(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_CHOOSER_FILES);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& label : entries_.labels) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
  }
  SendMessageW(list, LB_SETHORIZONTALEXTENT, widestLabel(list, entries_.labels), 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void FileChooser::rescan(HWND dialog) {
  LRESULT folder = SendDlgItemMessageW(dialog, IDC_CHOOSER_FOLDER, CB_GETCURSEL, 0, 0);
  LRESULT type = SendDlgItemMessageW(dialog, IDC_CHOOSER_TYPE, CB_GETCURSEL, 0, 0);
  if (folder < 0 || folder >= static_cast<LRESULT>(folderLists_.size())) folder = 0;
  const std::wstring& pattern =
      type >= 0 && type < static_cast<LRESULT>(fileTypes_.size()) ? fileTypes_[type].pattern
                                                                  : pattern_;
  selection_.clear();
  entries_.scanFolders(device_, folderLists_[folder], pattern, folder == 0);
  fillList(dialog);
}

void FileChooser::acceptSelection(HWND dialog) {
  selection_.clear();
  HWND list = GetDlgItem(dialog, IDC_CHOOSER_FILES);
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count && i < static_cast<LRESULT>(entries_.labels.size()); ++i) {
    if (SendMessageW(list, LB_GETSEL, i, 0) > 0) selection_.push_back(static_cast<int32_t>(i));
  }
}

}  // namespace morvane
