# Window, WindowTable, SharedWndProc: the trainer's window framework.
add_library(morvane_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shared_wnd_proc.cpp)
target_include_directories(morvane_window PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(morvane_window PUBLIC morvane_base gdi32 user32)
