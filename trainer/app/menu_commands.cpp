// The menu commands of the main window that the study screen does not
// cover: Open, Multi-Open, the Copy commands, Help and About.
#include <vector>

#include "app/about_box.h"
#include "app/clipboard.h"
#include "app/lesson_set.h"
#include "app/main_window.h"
#include "app/open_file_dialog.h"
#include "app/wait_dialog.h"
#include "chooser/device_layer_files.h"
#include "chooser/file_chooser.h"
#include "device/device_storage.h"
#include "device/help_viewer.h"

namespace morvane {

namespace {

const wchar_t kLessonSetLabel[] = L"Multi";
const wchar_t kSetMessageTitle[] = L"Morvane CHS";
const wchar_t kHelpFile[] = L"morvanechs.htc";

std::wstring personalFolder(HWND window) {
  wchar_t path[MAX_PATH] = {};
  if (!device::SHGetSpecialFolderPath(window, path, CSIDL_PERSONAL, FALSE)) return L"";
  return path;
}

}  // namespace

void MainWindow::openLessonFile() {
  // The desktop's file dialog knows host paths only.
  const std::wstring folder = device::hostPath(personalFolder(hwnd));
  if (std::optional<std::wstring> path = chooseLessonFile(hwnd, folder)) openLesson(*path);
}

void MainWindow::openLessonSet() {
  DeviceLayerFiles files;
  FileChooser chooser(std::nullopt, L"*.gb", multiOpenFileTypes(), GetParent(hwnd), instance,
                      true, files);
  if (!chooser.runChooser() || chooser.selectedCount() == 0) return;
  std::vector<std::wstring> paths;
  for (int32_t i = 0; i < chooser.selectedCount(); ++i) paths.push_back(chooser.selectedPath(i));
  const std::vector<std::wstring> refused = takeOtherEncodings(paths);

  HWND wait = showWaitDialog(hwnd, instance);
  closeLesson();
  useEncoding(encodingForPath(paths.front()));
  lesson = readLessonSet(paths).release();
  if (wait != nullptr) DestroyWindow(wait);
  startOpenedLesson(kLessonSetLabel);
  if (!refused.empty()) {
    MessageBoxW(hwnd, otherEncodingsMessage(paths.front(), refused).c_str(), kSetMessageTitle,
                MB_ICONEXCLAMATION);
  }
}

void MainWindow::copyHanzi() {
  if (currentItem != nullptr) copyCellsToClipboard(hwnd, shownHanzi, lessonEncoding);
}

void MainWindow::copyReading() {
  if (currentItem != nullptr) copyCellsToClipboard(hwnd, shownReading, lessonEncoding);
}

void MainWindow::copyMeaning() {
  if (currentItem != nullptr) copyWindowTextToClipboard(hwnd, meaningEdit);
}

void MainWindow::showHelp() { device::startHelpViewer(kHelpFile); }

void MainWindow::showAbout() { runAboutBox(hwnd, instance); }

}  // namespace morvane
