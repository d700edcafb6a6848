// Demonstration: the study screen's two character displays, as the trainer
// shows them, drawn with the GB font and marked from the stroke and feedback
// databases. With "popup" the first character is tapped, held three seconds,
// and its stroke popup animates over the displays; with "marks" they stay as
// they are. The data folder (fonts and databases) is the second argument.
//   display_demo.exe popup|marks DATA_FOLDER
#include <windows.h>

// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lesson/char_token.h"
#include "strokes/search_folders.h"
#include "strokes/stroke_database.h"
#include "ui/hbf_char_font.h"
#include "ui/marked_jpn_display.h"

using namespace morvane;

namespace {

constexpr UINT kTapMessage = WM_APP + 1;
constexpr UINT_PTR kTapTimer = 1;

MarkedJpnDisplay* hanziView = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      KillTimer(hwnd, kTapTimer);
      PostMessageW(hwnd, kTapMessage, 0, 0);
      return 0;
    case kTapMessage: {
      // A tap on the first character held for three seconds: the slowest animation.
      SendMessageW(hanziView->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
      hanziView->pressTime -= 3000;
      SendMessageW(hanziView->hwnd, WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// Bit 0: stroke data in either stroke database; bit 1: feedback data.
uint8_t MarkFor(const CharToken& token) {
  uint32_t offset = 0;
  uint8_t mark = 0;
  if (findEntry(searchFolders, L"strokeschs.ind", token.code(), offset) ||
      findEntry(searchFolders, L"lgstrokeschs.ind", token.code(), offset)) {
    mark |= 1;
  }
  if (findEntry(searchFolders, L"feedbkchs.ind", token.code(), offset)) mark |= 2;
  return mark;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring mode = argc > 1 ? argv[1] : L"popup";
  const std::wstring data = argc > 2 ? argv[2] : L".";
  searchFolders = {data};

  WNDCLASSW hostClass = {};
  hostClass.lpfnWndProc = HostProc;
  hostClass.hInstance = instance;
  hostClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  hostClass.lpszClassName = L"DisplayDemo";
  RegisterClassW(&hostClass);
  RECT frame = {0, 0, 240, 320};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  // Centred at the top of the screen, where the handheld's screen would be,
  // so that the popup appears over the displays as it does there.
  const int width = frame.right - frame.left;
  HWND host = CreateWindowExW(0, L"DisplayDemo", L"Display demo", WS_OVERLAPPEDWINDOW,
                              (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 0, width,
                              frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);

  HbfCharFont font(data + L"\\dxi24.hbf");
  // 啊, あ (no stroke data), 阿, 埃; the reading as plain text.
  std::vector<CharToken> hanzi = {{0xB0, 0xA1}, {0xA4, 0xA2}, {0xB0, 0xA2}, {0xB0, 0xA3}};
  std::vector<CharToken> reading = {{0, 'a'}, {0, ' '}, {0, 'a'}, {0, ' '}, {0, 'a'}, {0, 'i'}};
  CharString hanziChars, readingChars;
  std::vector<uint8_t> hanziMarks;
  for (CharToken& token : hanzi) {
    hanziChars.Append(&token);
    hanziMarks.push_back(MarkFor(token));
  }
  for (CharToken& token : reading) readingChars.Append(&token);

  auto* hanziDisplay = new MarkedJpnDisplay(0, 0, 0, 0, host, instance, &font, 1, 11);
  hanziDisplay->Move(4, 4, 232, 80);
  hanziDisplay->SetCharsWithMarks(&hanziChars, hanziMarks);
  hanziView = hanziDisplay;
  auto* readingDisplay = new MarkedJpnDisplay(0, 0, 0, 0, host, instance, &font, 1, 3);
  readingDisplay->Move(4, 88, 232, 30);
  readingDisplay->SetCharsWithMarks(&readingChars, std::vector<uint8_t>(reading.size(), 3));

  ShowWindow(host, show);
  UpdateWindow(host);
  if (mode == L"popup") SetTimer(host, kTapTimer, 1500, nullptr);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  delete readingDisplay;
  delete hanziDisplay;
  LocalFree(argv);
  return static_cast<int>(message.wParam);
}
