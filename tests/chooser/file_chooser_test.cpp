// The "Open Multiple Files" dialog driven through its controls, as a user would.
#include "chooser/file_chooser.h"

#include <gtest/gtest.h>

#include "chooser/device_layer_files.h"
#include "device/device_storage.h"
#include "resources/resource.h"
#include "temp_device_root.h"
#include "win32_test_support.h"

namespace morvane {
namespace {

using quillmark::fakes::answerDialog;
using Strings = std::vector<std::wstring>;

const wchar_t kTitle[] = L"Open Multiple Files";

Strings itemTexts(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
  Strings texts;
  const LRESULT count = SendMessageW(control, countMessage, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(SendMessageW(control, lengthMessage, i, 0) + 1, L'\0');
    SendMessageW(control, textMessage, i, reinterpret_cast<LPARAM>(&text[0]));
    texts.push_back(text.c_str());
  }
  return texts;
}

Strings listTexts(HWND dialog) {
  return itemTexts(GetDlgItem(dialog, IDC_CHOOSER_FILES), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

Strings comboTexts(HWND dialog, int id) {
  return itemTexts(GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

// Picks entry `index` of a combo box as the user does: the selection, then
// the notification to the dialog.
void chooseComboEntry(HWND dialog, int id, int index) {
  HWND combo = GetDlgItem(dialog, id);
  SendMessageW(combo, CB_SETCURSEL, index, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

class FileChooserTest : public testing::Test {
 protected:
  FileChooserTest() {
    device.addFile(L"\\My Documents\\a.gb");
    device.addFile(L"\\My Documents\\Lessons\\b.gb");
    device::setDeviceRoot(device.root());
    device::setStorageCards(L"Storage Card");
    owner = CreateWindowExW(0, L"static", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 240, 320, nullptr,
                            nullptr, nullptr, nullptr);
  }
  ~FileChooserTest() override { DestroyWindow(owner); }

  // Runs a Multi-Open chooser; `drive` works the dialog from another thread
  // before `command` ends it.
  BOOL run(FileChooser& chooser, int command, std::function<void(HWND)> drive) {
    std::thread driver = answerDialog(kTitle, command, std::move(drive));
    const BOOL result = chooser.runChooser();
    driver.join();
    return result;
  }

  // A chooser as Multi-Open makes it.
  FileChooser multiOpen() {
    return FileChooser(std::nullopt, L"*.gb", multiOpenFileTypes(), owner,
                       GetModuleHandleW(nullptr), true, files);
  }

  fakes::TempDeviceRoot device;
  DeviceLayerFiles files;
  HWND owner;
};

TEST_F(FileChooserTest, ListsSubfolderFilesWithTheirFolderAndReturnsChosenPathsInListOrder) {
  FileChooser chooser = multiOpen();
  Strings shown;
  const BOOL result = run(chooser, IDOK, [&](HWND dialog) {
    shown = listTexts(dialog);
    SendDlgItemMessageW(dialog, IDC_CHOOSER_FILES, LB_SETSEL, TRUE, 1);
    SendDlgItemMessageW(dialog, IDC_CHOOSER_FILES, LB_SETSEL, TRUE, 0);
  });
  EXPECT_EQ(shown, (Strings{L"a.gb", L"b.gb            Lessons        "}));
  EXPECT_TRUE(result);
  ASSERT_EQ(chooser.selectedCount(), 2);
  EXPECT_EQ(chooser.selectedPath(0), L"\\My Documents\\a.gb");
  EXPECT_EQ(chooser.selectedPath(1), L"\\My Documents\\Lessons\\b.gb");
}

TEST_F(FileChooserTest, CreatesItsControlsInOrderWithTheirIdsAndTexts) {
  FileChooser chooser = multiOpen();
  std::vector<std::pair<int, std::wstring>> controls;
  Strings types;
  run(chooser, IDCANCEL, [&](HWND dialog) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      wchar_t windowClass[32] = {};
      GetClassNameW(c, windowClass, 32);
      wchar_t text[32] = {};
      GetWindowTextW(c, text, 32);
      controls.push_back({GetDlgCtrlID(c), std::wstring(windowClass) + L":" + text});
    }
    types = comboTexts(dialog, IDC_CHOOSER_TYPE);
  });
  ASSERT_GE(controls.size(), 7u);
  const std::vector<std::pair<int, std::wstring>> expected{
      {1010, L"Static:Folder:"}, {1035, L"ComboBox:<All Folders>"}, {1010, L"Static:File Type:"},
      {1034, L"ComboBox:GB Files  (*.GB)"}, {1010, L"Button:File"}, {1010, L"Button:Folder"},
      {1000, L"ListBox:"}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(controls[i].first, expected[i].first) << i;
    EXPECT_EQ(_wcsicmp(controls[i].second.c_str(), expected[i].second.c_str()), 0)
        << i << ": " << std::string(controls[i].second.begin(), controls[i].second.end());
  }
  EXPECT_EQ(types, (Strings{L"GB Files  (*.GB)", L"B5 Files  (*.B5)", L"EUC Files (*.EUC)",
                            L"JIS Files  (*.JIS)", L"EUCK Files (*.EUK)", L"KF Files (*.KF)",
                            L"All Files  (*.*)"}));
}

// File and folder names line up in columns only in a fixed-pitch font.
TEST_F(FileChooserTest, TheListIsInATenPointFixedPitchFont) {
  FileChooser chooser = multiOpen();
  LOGFONTW font = {};
  int dpi = 0;
  run(chooser, IDCANCEL, [&](HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_CHOOSER_FILES);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof font, &font);
    HDC dc = GetDC(dialog);
    dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(dialog, dc);
  });
  ASSERT_EQ(dpi, 96);
  EXPECT_EQ(font.lfHeight, -13);  // -(10 * 96) / 72
  EXPECT_EQ(font.lfPitchAndFamily & 3, FIXED_PITCH);
}

TEST_F(FileChooserTest, TheFolderComboNarrowsTheListToOneSubfolder) {
  device.addFile(L"\\My Documents\\Lessons\\Old\\c.gb");
  FileChooser chooser = multiOpen();
  Strings folders;
  Strings shown;
  run(chooser, IDOK, [&](HWND dialog) {
    folders = comboTexts(dialog, IDC_CHOOSER_FOLDER);
    chooseComboEntry(dialog, IDC_CHOOSER_FOLDER, 1);
    shown = listTexts(dialog);
    SendDlgItemMessageW(dialog, IDC_CHOOSER_FILES, LB_SETSEL, TRUE, 0);
  });
  EXPECT_EQ(folders, (Strings{L"<All Folders>", L"Lessons"}));
  EXPECT_EQ(shown, Strings{L"b.gb"});
  ASSERT_EQ(chooser.selectedCount(), 1);
  EXPECT_EQ(chooser.selectedPath(0), L"\\My Documents\\Lessons\\b.gb");
}

TEST_F(FileChooserTest, AllFilesListsEveryFileOfEveryFolderAndStorageCard) {
  device.addFile(L"\\My Documents\\notes.txt");
  device.addFile(L"\\My Documents\\Lessons\\c.b5");
  device.addFile(L"\\Storage Card\\My Documents\\d.jis");
  FileChooser chooser = multiOpen();
  EXPECT_EQ(chooser.labels(), (Strings{L"a.gb", L"b.gb            Lessons        "}));
  Strings shown;
  run(chooser, IDCANCEL, [&](HWND dialog) {
    chooseComboEntry(dialog, IDC_CHOOSER_TYPE, 6);
    shown = listTexts(dialog);
  });
  EXPECT_EQ(shown, (Strings{L"a.gb", L"b.gb            Lessons        ",
                            L"c.b5            Lessons        ", L"d.jis", L"notes.txt"}));
}

TEST_F(FileChooserTest, CancelChoosesNothing) {
  FileChooser chooser = multiOpen();
  const BOOL result = run(chooser, IDCANCEL, [&](HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_CHOOSER_FILES, LB_SETSEL, TRUE, -1);
  });
  EXPECT_FALSE(result);
  EXPECT_EQ(chooser.selectedCount(), 0);
}

TEST_F(FileChooserTest, EqualLabelsFromTwoFoldersSitSideBySide) {
  device.addFile(L"\\Storage Card\\My Documents\\a.gb");
  FileChooser chooser = multiOpen();
  run(chooser, IDOK, [&](HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_CHOOSER_FILES, LB_SETSEL, TRUE, 0);
    SendDlgItemMessageW(dialog, IDC_CHOOSER_FILES, LB_SETSEL, TRUE, 1);
  });
  // Found in the order "\My Documents\a.gb", b.gb, the card's a.gb: the
  // selection sort moves b.gb last, then swaps the two a.gb.
  ASSERT_EQ(chooser.selectedCount(), 2);
  EXPECT_EQ(chooser.selectedPath(0), L"\\Storage Card\\My Documents\\a.gb");
  EXPECT_EQ(chooser.selectedPath(1), L"\\My Documents\\a.gb");
}

}  // namespace
}  // namespace morvane
