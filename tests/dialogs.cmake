# Dialogs: pair geometry and layouts natively; the windows under Wine.
halvane_native_test(dialogs_core_test
  SOURCES unit/dialogs/PairGeometryTest.cpp unit/dialogs/PromptLayoutTest.cpp
          unit/dialogs/ExecutePromptLayoutTest.cpp unit/dialogs/PremultiplyTest.cpp
          unit/dialogs/FeedbackLayoutTest.cpp
          unit/dialogs/AgreementTextTest.cpp unit/dialogs/TooltipLayoutTest.cpp
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

  find_program(HALVANE_PYTHON3 NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
  if(HALVANE_RUN_WIN_TESTS AND HALVANE_PYTHON3)
    add_test(NAME e2e_dialogs_test
             COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_dialogs.py -v)
    set_tests_properties(e2e_dialogs_test PROPERTIES
      FIXTURES_REQUIRED wine
      RESOURCE_LOCK halvane_display
      TIMEOUT 600
      ENVIRONMENT "HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX};HALVANE_PROBE=$<TARGET_FILE:probe>;HALVANE_E2E_DIALOGS_DIR=${CMAKE_BINARY_DIR}/e2e/dialogs;HALVANE_E2E_ARTEFACTS=${CMAKE_BINARY_DIR}/e2e-artefacts;PYTHONDONTWRITEBYTECODE=1")
  endif()
endif()
