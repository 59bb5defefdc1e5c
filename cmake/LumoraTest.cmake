find_package(GTest REQUIRED)
include(GoogleTest)

# lumora_add_test(NAME name SOURCES ... [LIBS ...] [QT] [BOTH_TEXT_PATHS])
# One GoogleTest executable; every case becomes its own ctest entry with a timeout, so a
# stuck window can never hang a run. QT marks window tests: they run on the offscreen platform.
# BOTH_TEXT_PATHS runs every case a second time with the AVX-512 text paths turned off, so the
# character loops most processors take are tested on a machine that has AVX-512 too.
function(lumora_add_test)
  cmake_parse_arguments(T "QT;BOTH_TEXT_PATHS" "NAME" "SOURCES;LIBS" ${ARGN})
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
  if(T_BOTH_TEXT_PATHS)
    gtest_discover_tests(${T_NAME}
      TEST_PREFIX "no_avx512."
      DISCOVERY_TIMEOUT 60
      NO_PRETTY_VALUES
      PROPERTIES TIMEOUT 60 ENVIRONMENT "${env};LUMORA_NO_AVX512=1")
  endif()
endfunction()
