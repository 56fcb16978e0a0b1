# Text statics: layout tables and the dots natively; the painted controls in real windows under
# Wine, read back pixel by pixel.
halvane_native_test(controls_statics_core_test
  SOURCES unit/controls_statics/TextLayoutTest.cpp
  LIBS halvane_controls_core)

halvane_win_test(controls_statics_win_test
  SOURCES win/controls_statics/StaticTestSupport.cpp win/controls_statics/DrawTextStaticTest.cpp
          win/controls_statics/DrawStateInfoStaticTest.cpp
          win/controls_statics/TemplateStaticsTest.cpp
  LIBS halvane_controls halvane_res comctl32)
if(TARGET controls_statics_win_test)
  target_include_directories(controls_statics_win_test PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/win/controls_statics)
endif()
