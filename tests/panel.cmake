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
halvane_e2e_test(e2e_panel_test SCRIPT test_panel.py TIMEOUT 1200 LOCKS halvane_toollog
  ENV "HALVANE_E2E_APP_DIR=${CMAKE_BINARY_DIR}/Halvane"
      "HALVANE_E2E_URLRECORDER=$<TARGET_FILE:urlrecorder>")

# The start-up checks and the mode change with the real engine, hook, loader and dialogs, the
# outcome prompts recorded. The exe has a folder of its own: the loader takes the fake library
# copied there. Both write the tool's log; the hook would hold up pointer input of other tests.
halvane_win_test(panel_flow_win_tests
  SOURCES win/panel/PanelStartupTest.cpp win/panel/ModeChangeTest.cpp
          win/engine/SimFixture.cpp win/dialogs/DialogsTestMain.cpp
          win/dialogs/DialogTestSupport.cpp
  LIBS halvane_panel halvane_res)
if(TARGET panel_flow_win_tests)
  target_include_directories(panel_flow_win_tests PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/win/dialogs ${CMAKE_CURRENT_SOURCE_DIR}/win/engine
    ${CMAKE_CURRENT_SOURCE_DIR}/win/panel)
  set_target_properties(panel_flow_win_tests PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/panel_flow)
  add_dependencies(panel_flow_win_tests ${halvane_fake_feedback_targets})
endif()
if(HALVANE_RUN_WIN_TESTS)
  set_tests_properties(panel_flow_win_tests PROPERTIES
    RESOURCE_LOCK "halvane_toollog;halvane_display")
endif()
