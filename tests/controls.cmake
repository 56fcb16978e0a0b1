# Skinned controls: font arithmetic natively; PNG resources and fonts in real windows under Wine.
halvane_native_test(controls_core_test
  SOURCES unit/controls/FontDeriveTest.cpp
  LIBS halvane_controls_core)

halvane_native_test(png_decode_test
  SOURCES unit/controls/PngDecodeTest.cpp
  LIBS halvane_png_decode)
halvane_fuzz_target(fuzz_png_decode SOURCES fuzz/png_decode_fuzz.cpp LIBS halvane_png_decode)

if(HALVANE_WINDOWS)
  enable_language(RC)
  halvane_win_test(controls_win_test
    SOURCES win/controls/PngResourceTest.cpp win/controls/FontUtilTest.cpp
            win/controls/controls_tests.rc
    LIBS halvane_controls)
  target_include_directories(controls_win_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win/controls)
  target_compile_definitions(controls_win_test PRIVATE HALVANE_ART_DIR="${PROJECT_SOURCE_DIR}/res/png")
endif()
