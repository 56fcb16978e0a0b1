# Window framework: placement and template arithmetic natively; dispatch, dialogs, teardown and
# GDI ownership in real windows under Wine.
halvane_native_test(framework_core_test
  SOURCES unit/framework/CenterPlacementTest.cpp unit/framework/DialogTemplateHeaderTest.cpp
          unit/framework/DisplayScaleTest.cpp unit/framework/SafePathRulesTest.cpp
  LIBS halvane_framework_core)

if(HALVANE_WINDOWS)
  enable_language(RC)
  halvane_win_test(framework_win_test
    SOURCES win/framework/TestSupport.cpp win/framework/DispatchTest.cpp
            win/framework/TeardownTest.cpp win/framework/ModalTest.cpp
            win/framework/ModelessTest.cpp win/framework/GdiResourceTest.cpp
            win/framework/framework_tests.rc
    LIBS halvane_framework)
  target_include_directories(framework_win_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win/framework)
endif()
