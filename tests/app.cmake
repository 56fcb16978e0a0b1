# Application shell: the main window's placement arithmetic natively; Halvane.exe end to end.
halvane_native_test(app_unit_tests
  SOURCES unit/app/MainWindowPlacementTest.cpp
  LIBS halvane_app_core)

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
foreach(name startup_failures startup_version)
  add_test(NAME e2e_${name}_test
           COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_${name}.py -v)
  set_tests_properties(e2e_${name}_test PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK "halvane_display;halvane_toollog"
    TIMEOUT 600
    ENVIRONMENT "${halvane_startup_env}")
endforeach()
