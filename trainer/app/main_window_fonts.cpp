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
  deleteFonts();
  const FontFiles files = fontFilesFor(code);
  largeFont = openFont(files.large);
  smallFont = openFont(files.small);
  if (largeFont == nullptr) largeFont = smallFont;
  if (smallFont == nullptr) smallFont = largeFont;
  if (smallFont == nullptr) {
    MessageBoxW(hwnd, L"Unable to open font file.", L"Error Message", MB_ICONEXCLAMATION);
    ExitProcess(0);
  }
  giveViewsTheirFonts();
}

void MainWindow::giveViewsTheirFonts() {
  hanziView->SetFont(settings.largeStrokes ? largeFont : smallFont);
  readingView->SetFont(smallFont);
}

}  // namespace morvane
