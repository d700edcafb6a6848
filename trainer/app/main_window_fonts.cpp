// Data file location: the search folders and the fonts of an encoding.
#include <cstdlib>
#include <memory>

#include "app/data_files.h"
#include "app/main_window.h"
#include "device/device_storage.h"
#include "strokes/search_folders.h"
#include "ui/hbf_char_font.h"
#include "app/study_view.h"

namespace morvane {

namespace {

std::vector<std::wstring> storageCards() {
  std::vector<std::wstring> cards;
  std::vector<WIN32_FIND_DATAW> records(kMaxStorageCards);
  HANDLE search = device::FindFirstFlashCard(&records[0]);
  if (search == INVALID_HANDLE_VALUE) return cards;
  size_t used = 1;
  cards.push_back(records[0].cFileName);
  while (used < kMaxStorageCards && device::FindNextFlashCard(search, &records[used])) {
    cards.push_back(records[used].cFileName);
    ++used;
  }
  FindClose(search);
  return cards;
}

}  // namespace

void buildSearchFolders() { searchFolders = searchFolderList(storageCards()); }

HbfCharFont* openFont(const wchar_t* fileName) {
  for (const std::wstring& folder : searchFolders) {
    auto font = std::make_unique<HbfCharFont>(folder + L"\\" + fileName);
    if (font->IsOpen()) return font.release();
  }
  return nullptr;
}

void MainWindow::chooseFonts(EncodingCode code) {
  // The views keep the old fonts until the new ones are theirs: opening a
  // font may show a message box, whose modal loop repaints the views.
  const FontFiles files = fontFilesFor(code);
  HbfCharFont* large = openFont(files.large);
  HbfCharFont* small = openFont(files.small);
  if (large == nullptr) large = small;
  if (small == nullptr) small = large;
  if (small == nullptr) {
    MessageBoxW(hwnd, L"Unable to open font file.", L"Error Message", MB_ICONEXCLAMATION);
    ExitProcess(0);
  }
  HbfCharFont* oldLarge = largeFont;
  HbfCharFont* oldSmall = smallFont;
  largeFont = large;
  smallFont = small;
  giveViewsTheirFonts();
  if (oldSmall != oldLarge) delete oldSmall;
  delete oldLarge;
}

void MainWindow::giveViewsTheirFonts() {
  hanziView->SetFont(settings.largeStrokes ? largeFont : smallFont);
  readingView->SetFont(smallFont);
}

}  // namespace morvane
