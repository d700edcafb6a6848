# The status area. The score text is platform-neutral and also builds in the
# native tree, the window only in the MinGW one.
add_library(morvane_status_text STATIC ${CMAKE_CURRENT_LIST_DIR}/status_area_text.cpp)
target_include_directories(morvane_status_text PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)

if(WIN32)
  add_library(morvane_status_area STATIC ${CMAKE_CURRENT_LIST_DIR}/status_area.cpp)
  target_link_libraries(morvane_status_area PUBLIC morvane_status_text morvane_window)
endif()
