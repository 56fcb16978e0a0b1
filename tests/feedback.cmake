# Feedback library: pure parts natively (and fuzzed), loader and library under Wine.
halvane_native_test(feedback_unit_tests
  SOURCES unit/feedback/DottedVersionTest.cpp
          unit/feedback/UpdateManifestTest.cpp
          unit/feedback/WebAddressTest.cpp
          unit/feedback/FeedbackRecordTest.cpp
          unit/feedback/UpdateVerdictTest.cpp
  LIBS halvane_feedbacklib_core)

halvane_fuzz_target(feedback_manifest_fuzz
  SOURCES fuzz/feedback/ManifestFuzz.cpp
  LIBS halvane_feedbacklib_core)

if(NOT HALVANE_WINDOWS)
  return()
endif()

# Every build checks the real library's export table: exactly the nine names, undecorated.
add_test(NAME feedback_library_exports
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/win/feedback/check-exports.sh
                 ${CMAKE_OBJDUMP} $<TARGET_FILE:halvane_feedbacklib>)
set_tests_properties(feedback_library_exports PROPERTIES LABELS win)

# The browser stand-in, installed into the test prefix's system32.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/urlrecorder ${CMAKE_BINARY_DIR}/tools/urlrecorder)

# Fake libraries for the loader: all nine exports, or all but one (FAKE_OMIT = lookup index).
function(halvane_fake_feedback name omit init version)
  add_library(${name} SHARED win/feedback/FakeFeedbackLibrary.cpp)
  halvane_strict(${name})
  set_target_properties(${name} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE FAKE_OMIT=${omit} FAKE_INIT=${init} FAKE_VERSION=${version})
  # Undecorated names on i686 as well, like the real library.
  target_link_options(${name} PRIVATE -Wl,--kill-at)
  set(halvane_fake_feedback_targets ${halvane_fake_feedback_targets} ${name} PARENT_SCOPE)
endfunction()
set(halvane_fake_feedback_targets)
halvane_fake_feedback(fakefeedback_complete -1 1 1)
halvane_fake_feedback(fakefeedback_init0 -1 0 1)
halvane_fake_feedback(fakefeedback_newer -1 1 3)
foreach(i RANGE 0 8)
  halvane_fake_feedback(fakefeedback_omit${i} ${i} 1 1)
endforeach()

# Copied with a library into a folder of its own: CFeedbackDll loads from the exe's folder.
add_executable(halvane_feedback_probe win/feedback/FeedbackProbe.cpp)
halvane_strict(halvane_feedback_probe)
target_link_options(halvane_feedback_probe PRIVATE -municode)
target_link_libraries(halvane_feedback_probe PRIVATE halvane_feedback)

halvane_win_test(feedback_loader_win_tests
  SOURCES win/feedback/FeedbackDllTest.cpp win/feedback/CaseFolder.cpp win/feedback/ChildProcess.cpp)
target_include_directories(feedback_loader_win_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_dependencies(feedback_loader_win_tests halvane_feedback_probe ${halvane_fake_feedback_targets})

halvane_win_test(feedback_library_win_tests
  SOURCES win/feedback/UpdateQuestionTest.cpp
          win/feedback/WebAddressOpenTest.cpp
          win/feedback/WebOpenerTest.cpp
          win/feedback/FeedbackRecordsTest.cpp
          win/feedback/BackgroundFetchTest.cpp
          win/feedback/LibraryFixture.cpp
          win/feedback/FreshLibrary.cpp
          win/feedback/LocalHttpServer.cpp
          win/feedback/UrlHandlerRecorder.cpp
          win/feedback/CaseFolder.cpp
          win/feedback/ChildProcess.cpp
          win/feedback/RecordLinkTest.cpp
          ${PROJECT_SOURCE_DIR}/feedbacklib/RecordStore.cpp
          ${PROJECT_SOURCE_DIR}/feedbacklib/BackgroundFetch.cpp
          # The opener itself, with its routes replaceable.
          ${PROJECT_SOURCE_DIR}/feedbacklib/WebOpener.cpp
          ${PROJECT_SOURCE_DIR}/feedbacklib/DesktopShell.cpp
          ${PROJECT_SOURCE_DIR}/feedbacklib/WideText.cpp
  LIBS ws2_32 halvane_feedbacklib_core shell32 ole32 oleaut32)
target_include_directories(feedback_library_win_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                                                              ${PROJECT_SOURCE_DIR})
# A crash on a thread of the library kills the program through winedbg with exit code 0 under
# Wine: only a finished run that reports no failure and no crash passes.
if(TEST feedback_library_win_tests)
  set_tests_properties(feedback_library_win_tests PROPERTIES
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]|wine: Unhandled")
endif()
add_dependencies(feedback_library_win_tests halvane_feedback_probe urlrecorder)
# The library under test, in a folder of its own beside the test programs (copied again
# whenever it is rebuilt).
set(halvane_real_feedbacklib ${CMAKE_CURRENT_BINARY_DIR}/feedbacklib-real/ArkwenFeedbackInformation.dll)
add_custom_command(OUTPUT ${halvane_real_feedbacklib}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/feedbacklib-real
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:halvane_feedbacklib> ${halvane_real_feedbacklib}
  DEPENDS halvane_feedbacklib)
add_custom_target(feedbacklib_real_copy DEPENDS ${halvane_real_feedbacklib})
add_dependencies(feedback_library_win_tests feedbacklib_real_copy)
