# Functions that register tests and test doubles; see tests/CMakeLists.txt.

function(halvane_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(HALVANE_WINDOWS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  halvane_strict(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# libFuzzer target; ctest runs it for a bounded time and fails on any finding.
set(HALVANE_FUZZ_SECONDS 10 CACHE STRING "Seconds each fuzz target runs under ctest")
function(halvane_fuzz_target name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT HALVANE_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  halvane_strict(${name})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  set(corpus ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  set(seeds ${PROJECT_SOURCE_DIR}/tests/fuzz/seeds/${name})
  add_test(NAME ${name}
           COMMAND ${name} -max_total_time=${HALVANE_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                   -print_final_stats=0 ${corpus} ${seeds})
endfunction()

# Win test: a gtest executable run by ctest under Wine in the test prefix.
function(halvane_win_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT HALVANE_WINDOWS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  halvane_strict(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} halvane_win_test_support GTest::gtest_main)
  if(NOT HALVANE_RUN_WIN_TESTS)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine
                       ENVIRONMENT HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX} TIMEOUT 600)
endfunction()

# A test double copied into the prefix's system32 (never shipped).
function(halvane_test_tool target)
  if(NOT HALVANE_WINDOWS)
    return()
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${HALVANE_TOOLS_DIR})
  add_dependencies(testtools ${target})
endfunction()

