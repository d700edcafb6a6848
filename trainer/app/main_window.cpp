// The main window: its children, layout, painting and command dispatch.
#include "app/main_window.h"

#include "app/hand_over.h"
#include "app/status_area.h"
#include "device/device_screen.h"
#include "resources/resource.h"
#include "strokes/clearable_draw_area.h"
#include "ui/hbf_char_font.h"
#include "app/study_view.h"
#include "ui/window_colors.h"

namespace morvane {

const wchar_t kWelcomeText[] =
    L"Welcome to Morvane!\nSelect File-Open... from the menu to start a lesson.";

namespace {

constexpr int kReadingMarkHeight = 3;
constexpr int kHanziMarkHeight = 11;

HWND makeButton(HWND parent, HINSTANCE instance, const wchar_t* label, int id) {
  return device::CreateWindowExW(0, L"button", label, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                 nullptr);
}

void place(HWND window, const LayoutBox& box) {
  MoveWindow(window, box.x, box.y, box.width, box.height, TRUE);
}

void place(Window* window, const LayoutBox& box) {
  if (window != nullptr) window->Move(box.x, box.y, box.width, box.height);
}

void setButton(HWND button, const ButtonState& state) {
  EnableWindow(button, state.enabled ? TRUE : FALSE);
  ShowWindow(button, state.visible ? SW_SHOW : SW_HIDE);
}

}  // namespace

MainWindow::MainWindow(HWND frame, HINSTANCE moduleInstance, HMENU barMenu, HWND bar)
    : menu(barMenu), menuBar(bar) {
  buildSearchFolders();
  Create(0, 0, 0, 0, frame, moduleInstance, L"MorvaneCHSWnd", nullptr, StaticBrush());
  SetFramed(0);
}

MainWindow::~MainWindow() { teardown(); }

void MainWindow::OnCreate(HWND newWindow) {
  const LONG units = GetDialogBaseUnits();
  unitWidth = LOWORD(units);
  unitHeight = HIWORD(units);
  landscape = device::GetSystemMetrics(SM_CYSCREEN) < device::GetSystemMetrics(SM_CXSCREEN);
  meaningEdit = device::CreateWindowExW(WS_EX_CLIENTEDGE, L"edit", nullptr,
                                WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0, newWindow,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MEANING)),
                                instance, nullptr);
  readingView = new StudyView(0, 0, 0, 0, newWindow, instance, smallFont, kAlignLeft,
                                     kReadingMarkHeight);
  hanziView = new StudyView(0, 0, 0, 0, newWindow, instance, largeFont, kAlignLeft,
                                   kHanziMarkHeight);
  canvas = new ClearableDrawArea(0, 0, 0, 0, newWindow, instance);
  canvas->listeners.Subscribe(this);
  canvas->SetText(kWelcomeText);
  statusArea = new StatusArea(newWindow, instance);
  rightButton = makeButton(newWindow, instance, L"Right", IDC_RIGHT);
  wrongButton = makeButton(newWindow, instance, L"Wrong", IDC_WRONG);
  showButton = makeButton(newWindow, instance, L"Show", IDC_SHOW);
  restartButton = makeButton(newWindow, instance, L"Restart", IDC_RESTART);
  rightBrush = CreateSolidBrush(RGB(0, 170, 0));
  wrongBrush = CreateSolidBrush(RGB(170, 0, 0));
  showBrush = CreateSolidBrush(RGB(85, 85, 204));
  restartBrush = CreateSolidBrush(RGB(170, 0, 170));
  loadSettings();
  applyButtons(buttonsFor(StudyState::NoLesson));
  EnableMenuItem(menu, IDM_RESTART, MF_BYCOMMAND | MF_GRAYED);
  lesson = nullptr;
  currentItem = nullptr;
  SetFocus(newWindow);
}

void MainWindow::applyButtons(const StudyButtons& buttons) {
  setButton(rightButton, buttons.right);
  setButton(wrongButton, buttons.wrong);
  setButton(restartButton, buttons.restart);
  setButton(showButton, buttons.show);
}

HBRUSH MainWindow::OnCtlColorButton(WPARAM wParam, LPARAM lParam) {
  HWND button = reinterpret_cast<HWND>(lParam);
  HBRUSH brush = button == rightButton     ? rightBrush
                 : button == wrongButton   ? wrongBrush
                 : button == showButton    ? showBrush
                 : button == restartButton ? restartBrush
                                           : nullptr;
  if (brush == nullptr) return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
  return brush;
}

void MainWindow::refreshChildren() {
  if (readingView != nullptr) readingView->Invalidate();
  if (hanziView != nullptr) hanziView->Invalidate();
  if (canvas != nullptr) canvas->Invalidate();
  if (statusArea != nullptr) statusArea->Invalidate();
}

void MainWindow::OnPaint(HDC hdc) {
  Window::OnPaint(hdc);
  refreshChildren();
}

BOOL MainWindow::Invalidate() {
  BOOL done = InvalidateRect(hwnd, &bounds, TRUE);
  refreshChildren();
  return done;
}

MainLayout MainWindow::layoutFor(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
  LayoutInput in;
  in.left = left;
  in.top = top;
  in.right = right;
  in.bottom = bottom;
  in.frameX = device::GetSystemMetrics(SM_CXDLGFRAME);
  in.frameY = device::GetSystemMetrics(SM_CYDLGFRAME);
  if (menuBar != nullptr) {
    RECT r;
    GetWindowRect(menuBar, &r);
    in.menuBarHeight = r.bottom - r.top;
  }
  in.unitHeight = unitHeight;
  in.landscape = landscape;
  in.showCanvas = settings.showCanvas;
  return computeLayout(in);
}

void MainWindow::OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
  const MainLayout m = layoutFor(a, b, c, d);
  bounds = {m.area.left, m.area.top, m.area.right, m.area.bottom};
  if (hanziView != nullptr) hanziView->SetMarkHeight(m.markHeight);
  place(meaningEdit, m.meaning);
  place(readingView, m.reading);
  place(hanziView, m.hanzi);
  place(showButton, m.show);
  place(restartButton, m.restart);
  place(rightButton, m.right);
  place(wrongButton, m.wrong);
  if (canvas != nullptr) {
    if (m.canvasShown) place(canvas, m.canvas);
    ShowWindow(canvas->hwnd, m.canvasShown ? SW_SHOW : SW_HIDE);
  }
  place(statusArea, m.status);
}

void MainWindow::OnKeyDown(WPARAM wParam, LPARAM) {
  if (wParam != VK_DOWN || lesson == nullptr) return;
  switch (downKeyAction(state())) {
    case KeyAction::Show:
      show();
      break;
    case KeyAction::Right:
      markRight();
      break;
    case KeyAction::Restart:
      restartLesson();
      break;
    case KeyAction::None:
      break;
  }
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
    case IDC_SHOW:
      show();
      break;
    case IDC_RIGHT:
      markRight();
      break;
    case IDC_WRONG:
      markWrong();
      break;
    case IDC_RESTART:
    case IDM_RESTART:
      restartLesson();
      break;
    case IDM_PREFERENCES:
      runPreferences();
      break;
    case IDM_TO_OPEN:
      openToOpenValue();
      break;
    case IDM_OPEN:
      openLessonFile();
      break;
    case IDM_MULTI_OPEN:
      openLessonSet();
      break;
    case IDHELP:
    case IDM_HELP_CONTENTS:
      showHelp();
      break;
    case IDM_ABOUT:
      showAbout();
      break;
    case IDM_COPY_HANZI:
      copyHanzi();
      break;
    case IDM_COPY_READING:
      copyReading();
      break;
    case IDM_COPY_MEANING:
      copyMeaning();
      break;
    default:
      break;
  }
}

void MainWindow::OnHelp() { showHelp(); }

void MainWindow::openToOpenValue() {
  const std::wstring path = readToOpenValue();
  if (!path.empty()) openLesson(path);
}

void MainWindow::OnStrokeExtra(StrokeListenerList*, uint32_t, int32_t, int32_t) {}

void MainWindow::deleteFonts() {
  if (smallFont != largeFont) delete smallFont;
  delete largeFont;
  largeFont = nullptr;
  smallFont = nullptr;
}

void MainWindow::teardown() {
  if (canvas == nullptr) return;  // never created, or already torn down
  saveSettings();
  closeLesson();
  delete hanziView;
  hanziView = nullptr;
  delete readingView;
  readingView = nullptr;
  deleteFonts();
  if (canvas != nullptr) {
    canvas->listeners.Unsubscribe(this);
    delete canvas;
    canvas = nullptr;
  }
  delete statusArea;
  statusArea = nullptr;
  for (HBRUSH* brush : {&rightBrush, &wrongBrush, &showBrush, &restartBrush}) {
    if (*brush != nullptr) DeleteObject(*brush);
    *brush = nullptr;
  }
}

}  // namespace morvane
