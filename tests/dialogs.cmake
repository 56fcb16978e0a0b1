# Dialogs: pair geometry and layouts natively; the windows under Wine.
halvane_native_test(dialogs_core_test
  SOURCES unit/dialogs/PairGeometryTest.cpp unit/dialogs/PromptLayoutTest.cpp
          unit/dialogs/ExecutePromptLayoutTest.cpp unit/dialogs/PremultiplyTest.cpp
  LIBS halvane_dialogs_core)

if(HALVANE_WINDOWS)
  halvane_win_test(dialogs_win_test
    SOURCES win/dialogs/DialogsTestMain.cpp win/dialogs/DialogTestSupport.cpp
            win/dialogs/SkinFrameTest.cpp win/dialogs/PromptDlgTest.cpp
            win/dialogs/ExecutePromptDlgTest.cpp
    LIBS halvane_dialogs halvane_res)
  target_include_directories(dialogs_win_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win/dialogs)
endif()
