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
  set_tests_properties(${name} PROPERTIES LABELS unit)
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
  set_tests_properties(${name} PROPERTIES LABELS fuzz)
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
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine LABELS win
                       ENVIRONMENT HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX} TIMEOUT 600)
endfunction()

# End-to-end test: a python script of tests/e2e run against a real program under Wine and Xvfb.
# Every such test moves the pointer (lock halvane_display); LOCKS adds further locks, ENV further
# variables beside the prefix, the probe and the artefacts folder.
function(halvane_e2e_test name)
  cmake_parse_arguments(T "" "SCRIPT;TIMEOUT" "LOCKS;ENV" ${ARGN})
  if(NOT HALVANE_RUN_WIN_TESTS OR NOT HALVANE_PYTHON3)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(locks halvane_display ${T_LOCKS})
  set(env "HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX}" "HALVANE_PROBE=$<TARGET_FILE:probe>"
          "HALVANE_E2E_ARTEFACTS=${CMAKE_BINARY_DIR}/e2e-artefacts" PYTHONDONTWRITEBYTECODE=1
          ${T_ENV})
  add_test(NAME ${name} COMMAND ${HALVANE_PYTHON3} ${PROJECT_SOURCE_DIR}/tests/e2e/${T_SCRIPT} -v)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine LABELS e2e TIMEOUT ${T_TIMEOUT}
                       RESOURCE_LOCK "${locks}" ENVIRONMENT "${env}")
endfunction()

# A test double copied into the prefix's system32 (never shipped).
function(halvane_test_tool target)
  if(NOT HALVANE_WINDOWS)
    return()
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${HALVANE_TOOLS_DIR})
  add_dependencies(testtools ${target})
endfunction()

