# Skinned controls: font arithmetic natively; PNG resources and fonts in real windows under Wine.
halvane_native_test(controls_core_test
  SOURCES unit/controls/FontDeriveTest.cpp
  LIBS halvane_controls_core)

if(HALVANE_WINDOWS)
  enable_language(RC)
  halvane_win_test(controls_win_test
    SOURCES win/controls/PngResourceTest.cpp win/controls/FontUtilTest.cpp
            win/controls/controls_tests.rc
    LIBS halvane_controls)
  target_include_directories(controls_win_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win/controls)
endif()
