// Shared set-up of the trainer's window tests: an emulated device folder
// with a test font, lesson files, feedback data, a clean settings key, and
// the real frame and main window started as the program starts them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/frame_window.h"
#include "app/main_window.h"
#include "hbf_test_support.h"

namespace morvane::test {

// GB bytes of the test characters.
extern const char kNi[];   // 你 c4e3
extern const char kHao[];  // 好 bac3
extern const char kXie[];  // 谢 d0bb

// The device root of the test run, with "\Windows\dxi24.hbf" (24 pixels).
const std::wstring& deviceFolder();
// A host path under the device root for a device path.
std::wstring onDevice(const std::wstring& devicePath);
// Writes bytes to a device path, making its folder.
void writeDeviceFile(const std::wstring& devicePath, const std::string& bytes);
// Removes a device file, if present.
void removeDeviceFile(const std::wstring& devicePath);
// Writes a font of the given cell size covering every GB code at the device
// path, with its bitmap file beside it.
void writeGbFont(const std::wstring& devicePath, int size);

// Feedback data "\Windows\BASE.ind/.dat" (the simplified "feedbkchs" unless
// said) for (code, records) pairs, each record three direction codes.
struct FeedbackChar {
  uint16_t code;
  std::vector<std::vector<uint8_t>> strokes;
};
void writeFeedbackData(const std::vector<FeedbackChar>& chars,
                       const std::wstring& base = L"feedbkchs");
// A stroke database "\Windows\BASE.ind/.dat" whose index holds these codes
// (sorted), each with an empty record: enough for the marks.
void writeStrokeIndex(const std::wstring& base, const std::vector<uint16_t>& codes);

// Deletes HKCU\Software\MorvaneCHS.
void clearSettings();
// Reads a DWORD or string setting; false if missing.
bool readSwitch(const wchar_t* name, DWORD& value);
std::wstring readText(const wchar_t* name);
void writeSwitch(const wchar_t* name, DWORD value);
void writeText(const wchar_t* name, const std::wstring& text, bool withZero = true);

// The trainer started as the program starts it, torn down afterwards.
class TrainerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the frame (and main window) with the command line.
  void start(const wchar_t* commandLine = L"");
  // Closes the frame as the close box does; the main window is gone then.
  void close();

  void click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  void pressDown() { SendMessageW(main()->hwnd, WM_KEYDOWN, VK_DOWN, 0); }
  MainWindow* main() const { return frameState.mainWindow; }
  std::wstring meaning() const;
  // The current item's Hanzi marks (none without an item).
  std::vector<uint8_t> hanziMarks() const;
  std::wstring lessonPath(const std::string& name) const;
  // Writes a lesson file into the test's lesson folder; returns its path.
  std::wstring writeLesson(const std::string& name, const std::string& bytes) const;

  HWND frame = nullptr;
  std::wstring lessonFolder;
};

bool visible(HWND window);
bool enabled(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT placeOf(HWND window);

}  // namespace morvane::test
