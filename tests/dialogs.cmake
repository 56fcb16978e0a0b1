# Dialogs: pair geometry and layouts natively; the windows under Wine.
halvane_native_test(dialogs_core_test
  SOURCES unit/dialogs/PairGeometryTest.cpp unit/dialogs/PromptLayoutTest.cpp
          unit/dialogs/ExecutePromptLayoutTest.cpp unit/dialogs/PremultiplyTest.cpp
          unit/dialogs/FeedbackLayoutTest.cpp
          unit/dialogs/AgreementTextTest.cpp unit/dialogs/TooltipLayoutTest.cpp
          unit/dialogs/SkinPixelCacheTest.cpp
  LIBS halvane_dialogs_core)

if(HALVANE_WINDOWS)
  halvane_win_test(dialogs_win_test
    SOURCES win/dialogs/DialogsTestMain.cpp win/dialogs/DialogTestSupport.cpp
            win/dialogs/SkinFrameTest.cpp win/dialogs/PromptDlgTest.cpp
            win/dialogs/ExecutePromptDlgTest.cpp win/dialogs/TooltipDlgTest.cpp
    LIBS halvane_dialogs halvane_res)
  target_include_directories(dialogs_win_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win/dialogs)

  # The feedback dialog with a recording stand-in for the feedback library. CFeedbackDll loads
  # the library from beside the program, so the two get a folder of their own.
  set(halvane_feedback_dialog_dir ${CMAKE_CURRENT_BINARY_DIR}/feedback-dialog)
  add_library(recording_feedbacklib SHARED win/dialogs/RecordingFeedbackLibrary.cpp)
  halvane_strict(recording_feedbacklib)
  set_target_properties(recording_feedbacklib PROPERTIES PREFIX "" OUTPUT_NAME ArkwenFeedbackInformation
                        RUNTIME_OUTPUT_DIRECTORY ${halvane_feedback_dialog_dir})
  target_link_options(recording_feedbacklib PRIVATE -Wl,--kill-at)
  halvane_win_test(feedback_dialog_win_test
    SOURCES win/dialogs/DialogsTestMain.cpp win/dialogs/DialogTestSupport.cpp
            win/dialogs/FeedbackDlgTest.cpp
    LIBS halvane_dialogs halvane_res)
  target_include_directories(feedback_dialog_win_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win/dialogs)
  set_target_properties(feedback_dialog_win_test PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY ${halvane_feedback_dialog_dir})
  add_dependencies(feedback_dialog_win_test recording_feedbacklib)
  if(HALVANE_RUN_WIN_TESTS)
    # The answer buttons read the real cursor: the test moves it.
    set_tests_properties(feedback_dialog_win_test PROPERTIES RESOURCE_LOCK halvane_display)
  endif()
endif()

# The program the end-to-end tests drive, alone in its folder (the tests copy the whole folder).
if(HALVANE_WINDOWS)
  add_executable(e2e_dialogs WIN32 e2e/dialogs_app/DialogsDemoMain.cpp
                 e2e/dialogs_app/DialogsDemoApp.cpp)
  halvane_strict(e2e_dialogs)
  target_link_libraries(e2e_dialogs PRIVATE halvane_dialogs halvane_res)
  target_link_options(e2e_dialogs PRIVATE -municode)
  set_target_properties(e2e_dialogs PROPERTIES OUTPUT_NAME DialogsDemo
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e/dialogs)

  halvane_e2e_test(e2e_dialogs_test SCRIPT test_dialogs.py TIMEOUT 600
    ENV "HALVANE_E2E_DIALOGS_DIR=${CMAKE_BINARY_DIR}/e2e/dialogs")
endif()
