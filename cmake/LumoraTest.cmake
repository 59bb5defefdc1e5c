find_package(GTest REQUIRED)
include(GoogleTest)

# lumora_add_test(NAME name SOURCES ... [LIBS ...] [QT])
# One GoogleTest executable; every case becomes its own ctest entry with a timeout, so a
# stuck window can never hang a run. QT marks window tests: they run on the offscreen platform.
function(lumora_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest)
  target_compile_definitions(${T_NAME} PRIVATE
    LUMORA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  set(env "")
  if(T_QT)
    # Window tests get their main() (one QApplication) from the test support library.
    target_link_libraries(${T_NAME} PRIVATE lumora_test_support)
    set(env "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    NO_PRETTY_VALUES
    PROPERTIES TIMEOUT 60 ENVIRONMENT "${env}")
endfunction()
