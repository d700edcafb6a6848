# HBF font reader and fitting arithmetic (neutral) and glyph rendering (Win32).
add_library(morvane_hbf STATIC
  ${CMAKE_CURRENT_LIST_DIR}/hbf_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hbf_line_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hbf_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hbf_glyphs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fitting.cpp)
target_include_directories(morvane_hbf PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(morvane_hbf PUBLIC morvane_platform)

if(WIN32)
  add_library(morvane_glyphs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/char_font.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hbf_char_font.cpp)
  target_link_libraries(morvane_glyphs PUBLIC morvane_hbf morvane_base gdi32 user32)
endif()
