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
