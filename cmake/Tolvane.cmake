# Shared helpers for the project's CMake files.

# A build-time generator: kept out of the program folder.
function(tolvane_tool target)
  add_executable(${target} ${ARGN})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endfunction()

# A GoogleTest binary registered with CTest. Tests run headless and find the
# generated program folder through TOLVANE_PROGRAM_DIR.
#   tolvane_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2)
function(tolvane_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} tolvane_testsupport GTest::gtest GTest::gmock)
  target_compile_definitions(${T_NAME} PRIVATE
    TOLVANE_PROGRAM_DIR="${TOLVANE_PROGRAM_DIR}"
    TOLVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # One variable only: a list here would be split into separate properties.
  # The test main sets the rest (no sound device) itself.
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
