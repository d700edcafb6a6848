# JpnDisplay, TappableJpnDisplay, MarkedJpnDisplay: the character display
# windows. A tap starts the stroke animation of trainer/strokes.
add_library(morvane_displays STATIC
  ${CMAKE_CURRENT_LIST_DIR}/jpn_display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tappable_jpn_display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/marked_jpn_display.cpp)
target_link_libraries(morvane_displays PUBLIC
  morvane_stroke_animation morvane_glyphs morvane_window morvane_lesson)
