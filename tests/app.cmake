# Application shell: the main window's placement arithmetic natively; Halvane.exe end to end.
halvane_native_test(app_unit_tests
  SOURCES unit/app/MainWindowPlacementTest.cpp unit/app/SelfRemovalRulesTest.cpp
  LIBS halvane_app_core)

if(HALVANE_WINDOWS)
  # Copied into each folder the removal tests use.
  add_executable(halvane_removal_probe win/app/RemovalProbe.cpp)
  halvane_strict(halvane_removal_probe)
  target_link_options(halvane_removal_probe PRIVATE -municode)
  target_link_libraries(halvane_removal_probe PRIVATE halvane_selfremoval)

  # Not halvane_win_test: the wrapper first checks that no profile link leaves the prefix.
  add_executable(app_selfremoval_win_tests win/app/SelfRemovalTest.cpp win/feedback/CaseFolder.cpp
                                           win/feedback/ChildProcess.cpp)
  halvane_strict(app_selfremoval_win_tests)
  target_include_directories(app_selfremoval_win_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(app_selfremoval_win_tests PRIVATE GTest::gtest_main shell32 ole32)
  add_dependencies(app_selfremoval_win_tests halvane_removal_probe)
  if(HALVANE_RUN_WIN_TESTS)
    add_test(NAME app_selfremoval_win_tests
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win/app/run-removal-tests.sh
                     $<TARGET_FILE:app_selfremoval_win_tests>)
    set_tests_properties(app_selfremoval_win_tests PROPERTIES FIXTURES_REQUIRED wine
                         ENVIRONMENT HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX} TIMEOUT 300)
  endif()
endif()

# Debian's python3 carries PIL for the screenshots (this file is read before e2e.cmake).
find_program(HALVANE_PYTHON3 NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(HALVANE_PYTHON3 NAMES python3)
if(NOT HALVANE_RUN_WIN_TESTS OR NOT HALVANE_PYTHON3)
  return()
endif()

# The program started from a copy of the shipped folder. They write the tool's log and move the
# pointer, so they hold both locks.
set(halvane_startup_env
  "HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX}"
  "HALVANE_PROBE=$<TARGET_FILE:probe>"
  "HALVANE_E2E_ARTEFACTS=${CMAKE_BINARY_DIR}/e2e-artefacts"
  "HALVANE_E2E_APP_DIR=${CMAKE_BINARY_DIR}/Halvane"
  "HALVANE_E2E_FAKE_INIT0=$<TARGET_FILE:fakefeedback_init0>"
  "HALVANE_E2E_URLRECORDER=$<TARGET_FILE:urlrecorder>"
  "PYTHONDONTWRITEBYTECODE=1")
foreach(name startup_failures startup_version whole_program close_paths)
  add_test(NAME e2e_${name}_test
           COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_${name}.py -v)
  set_tests_properties(e2e_${name}_test PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK "halvane_display;halvane_toollog"
    TIMEOUT 600
    ENVIRONMENT "${halvane_startup_env}")
endforeach()
# One journey through every close of every window, with five runs of the tool.
set_tests_properties(e2e_close_paths_test PROPERTIES TIMEOUT 900)
