// The trainer's main window: it fills the frame and holds the study screen
// (meaning field, reading and Hanzi views, the four study buttons, the
// handwriting canvas and the status line), the open lesson and its fonts.
// It listens to the canvas's pen events for the stroke feedback.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/data_files.h"
#include "app/main_layout.h"
#include "app/settings.h"
#include "app/study_state.h"
#include "lesson/lesson.h"
#include "strokes/stroke_listener.h"
#include "ui/char_font.h"
#include "ui/window.h"

namespace morvane {

class ClearableDrawArea;
class HbfCharFont;
class StatusArea;
class StudyView;

// The welcome text on the canvas while no lesson is open.
extern const wchar_t kWelcomeText[];

class MainWindow : public Window, public StrokeListener {
 public:
  // Builds the search folders and creates the window (class "MorvaneCHSWnd")
  // with its children; loads the settings.
  MainWindow(HWND frame, HINSTANCE moduleInstance, HMENU barMenu, HWND bar);
  // Frees what shutdown left (shutdown itself is teardown()).
  ~MainWindow() override;

  BOOL Invalidate() override;
  void OnCreate(HWND newWindow) override;
  void OnPaint(HDC hdc) override;
  void OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) override;
  void OnKeyDown(WPARAM wParam, LPARAM lParam) override;
  // Every command of the buttons, the menus and a second start.
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnHelp() override;
  HBRUSH OnCtlColorButton(WPARAM wParam, LPARAM lParam) override;

  // Pen events of the canvas: choosePen and recolorLastStroke.
  void OnStrokePoint(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override;
  void OnStrokeEnd(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override;
  void OnStrokeExtra(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override;

  // Opens one lesson file; the previous lesson saves its progress first.
  void openLesson(const std::wstring& path);
  // The study screen.
  void presentItem();
  void setRevealed(bool reveal);
  void advance();
  void show();
  void markRight();
  void markWrong();
  void restartLesson();
  void applyLessonMode(int32_t mode);
  // Fonts of an encoding, found in the search folders; ends the program when
  // neither font of the pair exists.
  void chooseFonts(EncodingCode code);
  // Stroke feedback: the pen while a stroke is drawn, its colour once lifted.
  void choosePen();
  void recolorLastStroke();
  // Settings in the registry.
  void loadSettings();
  void saveSettings();
  // Preferences (command 40005).
  void runPreferences();
  // Opens the file a second start left in the registry value "ToOpen".
  void openToOpenValue();
  // Menu commands: "Open..." (one file through the file dialog), "Multi-Open..."
  // (a lesson set from the file chooser), the Copy commands, Help, About.
  void openLessonFile();
  void openLessonSet();
  void copyHanzi();
  void copyReading();
  void copyMeaning();
  void showHelp();
  void showAbout();
  // Saves settings and progress and frees the children (frame WM_DESTROY).
  void teardown();

  StudyState state() const;
  // The layout for the current size and settings.
  MainLayout layoutFor(int32_t left, int32_t top, int32_t right, int32_t bottom) const;

  HMENU menu = nullptr;
  HWND meaningEdit = nullptr;
  HWND rightButton = nullptr;
  HWND wrongButton = nullptr;
  HWND showButton = nullptr;
  HWND restartButton = nullptr;
  HWND menuBar = nullptr;
  int32_t unitWidth = 0;
  int32_t unitHeight = 0;
  StudyView* hanziView = nullptr;
  StudyView* readingView = nullptr;
  Lesson* lesson = nullptr;
  LessonItem* currentItem = nullptr;
  // The current item's cells as the views, the clipboard and the judge take
  // them: items keep their cells in one run, not as lists of pointers.
  CharString shownHanzi;
  CharString shownReading;
  HbfCharFont* largeFont = nullptr;
  HbfCharFont* smallFont = nullptr;
  ClearableDrawArea* canvas = nullptr;
  StatusArea* statusArea = nullptr;
  bool revealed = false;
  Settings settings;
  bool landscape = false;
  HBRUSH rightBrush = nullptr;
  HBRUSH wrongBrush = nullptr;
  HBRUSH showBrush = nullptr;
  HBRUSH restartBrush = nullptr;
  // The encoding of the open lesson (of its first file for a lesson set).
  EncodingCode lessonEncoding = EncodingCode::Gb;
  // Whether the open lesson's codes can be GB codes, the key of the stroke
  // and feedback databases.
  bool strokeDataApplies() const { return strokeDatabasesFor(lessonEncoding) != nullptr; }

 private:
  void applyButtons(const StudyButtons& buttons);
  // Saves the open lesson's progress and deletes it; the views let go first.
  void closeLesson();
  // Takes the encoding of the lesson being opened: stroke data rule, fonts.
  void useEncoding(EncodingCode code);
  // Shows a freshly read lesson (or none): status counts, mode, Restart.
  void startOpenedLesson(const std::wstring& label);
  void markStrokeData();
  void giveViewsTheirFonts();
  void giveViewsLargeStrokes();
  void deleteFonts();
  void refreshChildren();
};

// Fills searchFolders (strokes/search_folders.h) with the main store's
// folders and those of the storage cards; run once.
void buildSearchFolders();

// The font in the first search folder that holds it, or none.
HbfCharFont* openFont(const wchar_t* fileName);

}  // namespace morvane
