# Help: where the help page is (neutral) and opening it (Win32).
add_library(morvane_help_page STATIC ${PROJECT_SOURCE_DIR}/trainer/device/help_page.cpp)
target_include_directories(morvane_help_page PUBLIC ${PROJECT_SOURCE_DIR}/trainer)

if(WIN32)
  add_library(morvane_help STATIC ${PROJECT_SOURCE_DIR}/trainer/device/help_viewer_win32.cpp)
  target_link_libraries(morvane_help PUBLIC morvane_help_page shell32)
endif()
