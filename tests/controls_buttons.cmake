# Skinned buttons and check box: state, geometry and layout rules natively; the controls in real
# windows under Wine, driven by messages and read back pixel by pixel.
halvane_native_test(controls_buttons_core_test
  SOURCES unit/controls_buttons/ButtonStateTest.cpp unit/controls_buttons/ButtonGeometryTest.cpp
          unit/controls_buttons/CheckBoxLayoutTest.cpp
  LIBS halvane_controls_core)

if(HALVANE_WINDOWS)
  enable_language(RC)
  halvane_win_test(controls_buttons_win_test
    SOURCES win/controls_buttons/ButtonTestSupport.cpp win/controls_buttons/PngButtonTest.cpp
            win/controls_buttons/ImageButtonTest.cpp win/controls_buttons/CheckBoxBtnTest.cpp
            win/controls_buttons/buttons_tests.rc
    LIBS halvane_controls halvane_res)
  target_include_directories(controls_buttons_win_test
    PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win/controls_buttons)
endif()
