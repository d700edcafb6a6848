// The study screen's Hanzi and reading views: character displays that
// animate a tapped character's strokes only while the open lesson's codes
// key stroke databases (GB and Big5 codes; a KS X 1001 or JIS code would
// find another character's strokes).
#pragma once

#include "ui/marked_jpn_display.h"

namespace morvane {

class StudyView : public MarkedJpnDisplay {
 public:
  using MarkedJpnDisplay::MarkedJpnDisplay;

  // A release without stroke data to consult ends the press and does nothing else.
  void OnLButtonUp(WPARAM keys, uint16_t x, uint16_t y) override;

  // Set by the main window for each opened lesson.
  bool strokeDataApplies = true;
};

}  // namespace morvane
