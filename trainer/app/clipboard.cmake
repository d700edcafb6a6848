# The clipboard forms of lesson text (neutral) and the Copy commands' clipboard
# calls (Win32).
add_library(morvane_clipboard_text STATIC ${CMAKE_CURRENT_LIST_DIR}/clipboard_text.cpp)
target_include_directories(morvane_clipboard_text PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(morvane_clipboard_text PUBLIC morvane_lesson)

if(WIN32)
  add_library(morvane_clipboard STATIC ${CMAKE_CURRENT_LIST_DIR}/clipboard.cpp)
  target_link_libraries(morvane_clipboard PUBLIC morvane_clipboard_text user32)
endif()
