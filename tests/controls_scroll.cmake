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
