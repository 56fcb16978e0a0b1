# Main panel: the real desktop-wide mouse hook under Wine. It injects pointer input, so it holds
# the display like the end-to-end tests.
halvane_win_test(panel_mouse_hook_win_tests
  SOURCES win/panel/MouseHookTest.cpp
  LIBS halvane_panel)
if(HALVANE_RUN_WIN_TESTS)
  set_tests_properties(panel_mouse_hook_win_tests PROPERTIES RESOURCE_LOCK halvane_display)
endif()

# The panel's layout arithmetic natively.
halvane_native_test(panel_unit_tests
  SOURCES unit/panel/PanelLayoutTest.cpp
  LIBS halvane_panel_core)

# Halvane.exe's panel driven end to end against the powercfg simulator. It writes the tool's log
# and moves the pointer, so it holds both locks.
find_program(HALVANE_PYTHON3 NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(HALVANE_PYTHON3 NAMES python3)
if(HALVANE_RUN_WIN_TESTS AND HALVANE_PYTHON3)
  add_test(NAME e2e_panel_test
           COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_panel.py -v)
  set_tests_properties(e2e_panel_test PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK "halvane_display;halvane_toollog"
    TIMEOUT 1200
    ENVIRONMENT "HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX};HALVANE_PROBE=$<TARGET_FILE:probe>;HALVANE_E2E_ARTEFACTS=${CMAKE_BINARY_DIR}/e2e-artefacts;HALVANE_E2E_APP_DIR=${CMAKE_BINARY_DIR}/Halvane;HALVANE_E2E_URLRECORDER=$<TARGET_FILE:urlrecorder>;PYTHONDONTWRITEBYTECODE=1")
endif()
