// The study screen's states and what each shows: which of the four buttons
// are visible and enabled, and what the VK_DOWN key does. Platform-neutral.
#pragma once

namespace morvane {

enum class StudyState { NoLesson, ItemHidden, ItemShown, PassFinished };

struct ButtonState {
  bool visible = false;
  bool enabled = false;
};

struct StudyButtons {
  ButtonState show, right, wrong, restart;
};

// The state of the screen from what is open and on it.
StudyState studyState(bool lessonOpen, bool itemOnScreen, bool revealed);

// The buttons of a state. Restart is enabled whenever a lesson is open, even
// while it is hidden.
StudyButtons buttonsFor(StudyState state);

enum class KeyAction { None, Show, Right, Restart };

// VK_DOWN: Show an item that is hidden, mark a shown item right, restart a
// finished pass; nothing without a lesson.
KeyAction downKeyAction(StudyState state);

}  // namespace morvane
