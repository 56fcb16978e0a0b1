# Skinned scroll bar and frame: the geometry natively; the bar on a hosted rich edit in real
# windows under Wine, driven by injected mouse input.
halvane_native_test(controls_scroll_core_test
  SOURCES unit/controls_scroll/ScrollBarGeometryTest.cpp
  LIBS halvane_controls_core)

if(HALVANE_WINDOWS)
  enable_language(RC)
  halvane_win_test(controls_scroll_win_test
    SOURCES win/controls_scroll/ScrollInput.cpp win/controls_scroll/SkinScrollBarTest.cpp
            win/controls_scroll/SkinScrollWndTest.cpp e2e/scroll_app/ScrollHost.cpp
    LIBS halvane_controls halvane_res)
  target_include_directories(controls_scroll_win_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                             ${CMAKE_CURRENT_SOURCE_DIR}/e2e/scroll_app)
endif()

# The same host as a program of its own, for a journey with the real pointer and a screenshot.
if(HALVANE_WINDOWS)
  add_executable(e2e_scroll_host WIN32 e2e/scroll_app/ScrollHostMain.cpp
                 e2e/scroll_app/ScrollHost.cpp $<TARGET_OBJECTS:halvane_res>)
  halvane_strict(e2e_scroll_host)
  target_include_directories(e2e_scroll_host PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                             ${CMAKE_CURRENT_SOURCE_DIR}/e2e/scroll_app)
  target_link_libraries(e2e_scroll_host PRIVATE halvane_controls)
  target_link_options(e2e_scroll_host PRIVATE -municode)
  set_target_properties(e2e_scroll_host PROPERTIES OUTPUT_NAME ScrollHost
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e/scroll)

  if(HALVANE_RUN_WIN_TESTS AND HALVANE_PYTHON3)
    add_test(NAME e2e_scroll_host_test
             COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_scroll_host.py -v)
    set_tests_properties(e2e_scroll_host_test PROPERTIES
      FIXTURES_REQUIRED wine
      RESOURCE_LOCK halvane_display
      TIMEOUT 300
      ENVIRONMENT "HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX};HALVANE_PROBE=$<TARGET_FILE:probe>;HALVANE_E2E_SCROLL_DIR=${CMAKE_BINARY_DIR}/e2e/scroll;HALVANE_E2E_ARTEFACTS=${CMAKE_BINARY_DIR}/e2e-artefacts;PYTHONDONTWRITEBYTECODE=1")
  endif()
endif()
