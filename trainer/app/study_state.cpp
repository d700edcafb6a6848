// The study screen's state table.
#include "app/study_state.h"

namespace morvane {

StudyState studyState(bool lessonOpen, bool itemOnScreen, bool revealed) {
  if (itemOnScreen) return revealed ? StudyState::ItemShown : StudyState::ItemHidden;
  return lessonOpen ? StudyState::PassFinished : StudyState::NoLesson;
}

StudyButtons buttonsFor(StudyState state) {
  StudyButtons b;
  switch (state) {
    case StudyState::NoLesson:
      b.show.visible = true;
      break;
    case StudyState::ItemHidden:
      b.show = {true, true};
      b.restart.enabled = true;
      break;
    case StudyState::ItemShown:
      b.right = {true, true};
      b.wrong = {true, true};
      break;
    case StudyState::PassFinished:
      b.restart = {true, true};
      break;
  }
  return b;
}

KeyAction downKeyAction(StudyState state) {
  switch (state) {
    case StudyState::ItemHidden:
      return KeyAction::Show;
    case StudyState::ItemShown:
      return KeyAction::Right;
    case StudyState::PassFinished:
      return KeyAction::Restart;
    case StudyState::NoLesson:
      break;
  }
  return KeyAction::None;
}

}  // namespace morvane
