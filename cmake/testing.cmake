# morvane_test(name SOURCES ... LIBS ...): one test executable, one ctest entry.
# Under MinGW the entry runs through the Wine emulator; a Wine start costs
# seconds, so cases are grouped per executable rather than discovered one by one.
function(morvane_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  target_compile_definitions(${name} PRIVATE
    MORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    MORVANE_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
