// The Preferences dialog (resource 111) and the command that runs it.
#include <array>

#include "app/main_window.h"
#include "app/status_area.h"
#include "device/caption_ok.h"
#include "resources/resource.h"
#include "app/study_view.h"

namespace morvane {

namespace {

// The main window whose settings the open dialog edits.
MainWindow* preferencesOwner = nullptr;

// The dialog's first eight children, in creation order: the mode list, then
// the boxes Meaning, Reading, Hanzi, Track Wrong, Large Strokes, Feedback,
// Show Canvas.
constexpr size_t kControlCount = 8;
constexpr size_t kCanvasBox = 7;
std::array<HWND, kControlCount> controls;

bool Settings::*const kBoxFields[kControlCount - 1] = {
    &Settings::showMeaning,  &Settings::showReading,    &Settings::showHanzi,
    &Settings::trackWrong,   &Settings::largeStrokes,   &Settings::strokeFeedback,
    &Settings::showCanvas};

void findControls(HWND dialog) {
  HWND child = GetWindow(dialog, GW_CHILD);
  for (HWND& control : controls) {
    control = child;
    if (child != nullptr) child = GetWindow(child, GW_HWNDNEXT);
  }
}

void centreOverParent(HWND dialog) {
  RECT parent, own;
  GetWindowRect(GetParent(dialog), &parent);
  GetWindowRect(dialog, &own);
  const int width = own.right - own.left, height = own.bottom - own.top;
  MoveWindow(dialog, parent.left + (parent.right - parent.left - width) / 2,
             parent.top + (parent.bottom - parent.top - height) / 2, width, height, FALSE);
}

void initialise(HWND dialog, const MainWindow& owner) {
  findControls(dialog);
  if (!owner.landscape) ShowWindow(controls[kCanvasBox], SW_HIDE);
  for (const wchar_t* name : kModeNames) {
    SendMessageW(controls[0], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  SendMessageW(controls[0], CB_SETCURSEL, owner.settings.lessonMode - kFirstModeCode, 0);
  for (size_t i = 1; i < kControlCount; ++i) {
    bool on = owner.settings.*kBoxFields[i - 1];
    if (i == kCanvasBox) on = owner.landscape && on;
    if (on) SendMessageW(controls[i], BM_SETCHECK, BST_CHECKED, 0);
  }
  if (GetParent(dialog) != nullptr) centreOverParent(dialog);
}

void takeChoices(MainWindow& owner) {
  for (size_t i = 1; i < kControlCount; ++i) {
    if (i == kCanvasBox && !owner.landscape) continue;
    owner.settings.*kBoxFields[i - 1] =
        SendMessageW(controls[i], BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  owner.settings.lessonMode =
      static_cast<int32_t>(SendMessageW(controls[0], CB_GETCURSEL, 0, 0)) + kFirstModeCode;
}

INT_PTR CALLBACK preferencesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      initialise(dialog, *preferencesOwner);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        takeChoices(*preferencesOwner);
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

const DLGTEMPLATE* preferencesTemplate(HINSTANCE instance) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDD_PREFERENCES), RT_DIALOG);
  HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
  return loaded != nullptr ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

}  // namespace

void MainWindow::runPreferences() {
  const int32_t previousMode = settings.lessonMode;
  const bool previousCanvas = settings.showCanvas;
  preferencesOwner = this;
  const INT_PTR result = device::DialogBoxIndirectParamW(instance, preferencesTemplate(instance),
                                                         hwnd, preferencesProc, 0);
  preferencesOwner = nullptr;
  if (result != 1) return;
  if (settings.lessonMode != previousMode) {
    applyLessonMode(settings.lessonMode);
    if (lesson != nullptr) statusArea->total = lesson->passSize();
  }
  if (settings.showCanvas == previousCanvas) {
    Invalidate();
  } else {
    // Laid out again from the whole client area, as on a resize: the stored
    // rectangle is already inset and would shift the screen each time.
    RECT client;
    GetClientRect(hwnd, &client);
    OnSize(0, 0, static_cast<uint16_t>(client.right), static_cast<uint16_t>(client.bottom));
  }
  if (lesson != nullptr) lesson->setTrackWrong(settings.trackWrong);
  giveViewsLargeStrokes();
  saveSettings();
}

}  // namespace morvane
