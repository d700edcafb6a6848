// Helpers of the display and animation tests.
#include "display_test_support.h"

#include "platform/memory_file.h"
#include "platform/utf8.h"
#include "strokes/search_folders.h"

namespace morvane::test {
namespace {

void putLittleEndian32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

CellPath* pathOf(const Cells& cells) {
  auto* path = new CellPath;
  for (const auto& [x, y] : cells) path->AddCell(x, y);
  return path;
}

void saveDatabase(const ScratchDir& dir, const std::string& base,
                  const std::map<uint16_t, std::vector<uint8_t>>& records) {
  if (records.empty()) return;
  std::string index, data;
  for (const auto& [code, bytes] : records) {
    putLittleEndian32(index, code);
    putLittleEndian32(index, static_cast<uint32_t>(data.size()));
    putLittleEndian32(index, 0);
    data.append(bytes.begin(), bytes.end());
  }
  dir.write(base + ".ind", index);
  dir.write(base + ".dat", data);
}

struct WindowSearch {
  HWND found = nullptr;
};

BOOL CALLBACK FindStrokeChild(HWND top, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  search->found = FindWindowExW(top, nullptr, L"StrokeWin", nullptr);
  return search->found ? FALSE : TRUE;
}

}  // namespace

void FakeClock::Sleep(uint32_t ms) {
  sleeps.push_back(ms);
  now += ms;
  if (onSleep) onSleep();
}

StrokeData::StrokeData() : savedFolders_(searchFolders) { searchFolders = {dir_.root().wstring()}; }

StrokeData::~StrokeData() { searchFolders = savedFolders_; }

void StrokeData::addSmall(uint16_t code, const Cells& cells) {
  std::unique_ptr<CellPath> path(pathOf(cells));
  MemoryFile file;
  path->Write(file, true);
  small_[code] = file.bytes;
}

void StrokeData::addLarge(uint16_t code, const std::vector<Cells>& strokes) {
  StrokeList list;
  for (const Cells& stroke : strokes) list.AddStroke(pathOf(stroke));
  MemoryFile file;
  list.Write(file, false);
  large_[code] = file.bytes;
}

void StrokeData::save(const StrokeDatabases& names) {
  saveDatabase(dir_, toUtf8(names.small), small_);
  saveDatabase(dir_, toUtf8(names.large), large_);
}

void tapFirstCharacter(MarkedJpnDisplay& view, FakeClock& clock) {
  const RECT& b = view.bounds;
  const RECT glyph = view.font->GetCharRect(0, b.left, b.top, b.right - b.left,
                                            b.bottom - view.markHeight + 3 - b.top,
                                            view.chars.Count(), view.align);
  const LPARAM at = MAKELPARAM((glyph.left + glyph.right) / 2, (glyph.top + glyph.bottom) / 2);
  clock.now = 5000;
  SendMessageW(view.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  clock.now = 5100;
  SendMessageW(view.hwnd, WM_LBUTTONUP, 0, at);
}

SolidFont::SolidFont() {
  dir_.write("solid.bin", std::string(15 * 32, static_cast<char>(0xFF)));
  dir_.write("solid.hbf", hbfFont({"HBF_CODE_RANGE 0xB0A1-0xB0AF solid.bin 0"}));
  font_ = std::make_unique<HbfCharFont>(dir_.path("solid.hbf"), reporter_);
}

TestText::TestText(int count) : tokens_(static_cast<size_t>(count)) {
  for (int i = 0; i < count; ++i) {
    tokens_[i].first = 0xB0;
    tokens_[i].second = static_cast<uint8_t>(0xA1 + i % 15);
    chars_.Append(&tokens_[i]);
  }
}

COLORREF ScreenPixel(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return color;
}

int ScreenCount(HWND hwnd, COLORREF color, int left, int top, int right, int bottom) {
  HDC dc = GetDC(hwnd);
  int n = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) n += GetPixel(dc, x, y) == color;
  }
  ReleaseDC(hwnd, dc);
  return n;
}

HWND FindStrokeWindow() {
  WindowSearch search;
  EnumThreadWindows(GetCurrentThreadId(), FindStrokeChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace morvane::test
