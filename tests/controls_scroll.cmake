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

  halvane_e2e_test(e2e_scroll_host_test SCRIPT test_scroll_host.py
    ENV "HALVANE_E2E_SCROLL_DIR=${CMAKE_BINARY_DIR}/e2e/scroll")
endif()
