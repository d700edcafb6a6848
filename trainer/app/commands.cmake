# What the menu commands need apart from the main window. The neutral part
# (clipboard forms, the Open filter, lesson sets) also builds natively.
add_library(morvane_commands_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/clipboard_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lesson_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/open_filter.cpp)
target_include_directories(morvane_commands_core PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(morvane_commands_core PUBLIC morvane_lesson)

if(WIN32)
  add_library(morvane_commands STATIC
    ${CMAKE_CURRENT_LIST_DIR}/about_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/open_file_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wait_dialog.cpp)
  target_link_libraries(morvane_commands PUBLIC
    morvane_commands_core morvane_chooser morvane_device comdlg32 user32)
endif()
