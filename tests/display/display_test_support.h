// Helpers of the display and animation tests: a clock that never waits,
// stroke databases written into a scratch folder, a small test font, and
// pixels read back from real windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "hbf_test_support.h"
#include "lesson/char_token.h"
#include "platform/clock.h"
#include "strokes/stroke_database.h"
#include "ui/char_font.h"
#include "ui/hbf_char_font.h"
#include "ui/marked_jpn_display.h"

namespace morvane::test {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);  // the border's shadow
constexpr COLORREF kBlue = RGB(0, 0, 255);      // cross: no stroke data
constexpr COLORREF kOrange = RGB(255, 102, 0);  // cross: no feedback data

// Records every pause instead of waiting; the tick count moves with the pauses.
class FakeClock : public Clock {
 public:
  FakeClock() { setUiClock(this); }
  ~FakeClock() override { setUiClock(nullptr); }
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  uint32_t TickCount() override { return now; }
  void Sleep(uint32_t ms) override;

  uint32_t now = 0;
  std::vector<uint32_t> sleeps;
  // Called after each pause is recorded, while the animation waits.
  std::function<void()> onSleep;
};

using Cells = std::vector<std::pair<int, int>>;

// A 100 ms tap at the middle of the view's first character, at the clock's
// 5000 ms.
void tapFirstCharacter(MarkedJpnDisplay& view, FakeClock& clock);

// The small and large stroke databases of a few characters, written into a
// scratch folder that becomes searchFolders (restored afterwards).
class StrokeData {
 public:
  StrokeData();
  ~StrokeData();
  StrokeData(const StrokeData&) = delete;
  StrokeData& operator=(const StrokeData&) = delete;

  void addSmall(uint16_t code, const Cells& cells);
  void addLarge(uint16_t code, const std::vector<Cells>& strokes);
  // Writes the index and data files of every database that has records.
  void save(const StrokeDatabases& names = kSimplifiedDatabases);
  std::wstring path(const std::string& name) const { return dir_.path(name); }

 private:
  ScratchDir dir_;
  std::map<uint16_t, std::vector<uint8_t>> small_;
  std::map<uint16_t, std::vector<uint8_t>> large_;
  FolderList savedFolders_;
};

// A 16 × 16 test font in which every code from b0a1 to b0af is a solid black square.
class SolidFont {
 public:
  SolidFont();
  HbfCharFont* get() const { return font_.get(); }

 private:
  ScratchDir dir_;
  RecordingReporter reporter_;
  std::unique_ptr<HbfCharFont> font_;
};

// count double-byte characters b0a1, b0a2, ... as a CharString.
class TestText {
 public:
  explicit TestText(int count);
  TestText(const TestText&) = delete;
  TestText& operator=(const TestText&) = delete;
  const CharString* chars() const { return &chars_; }

 private:
  std::vector<CharToken> tokens_;
  CharString chars_{64};
};

// The colour of a pixel of a window as it is on screen now.
COLORREF ScreenPixel(HWND hwnd, int x, int y);
// Pixels of a colour in [left, right) × [top, bottom) of a window.
int ScreenCount(HWND hwnd, COLORREF color, int left, int top, int right, int bottom);

// The "StrokeWin" window of this thread's stroke popup, or none.
HWND FindStrokeWindow();

}  // namespace morvane::test
