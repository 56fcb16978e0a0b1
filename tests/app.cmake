# Application shell: the self-removal rules natively; Halvane.exe end to end.
halvane_native_test(app_unit_tests
  SOURCES unit/app/SelfRemovalRulesTest.cpp
  LIBS halvane_app_core)

if(HALVANE_WINDOWS)
  # Copied into each folder the removal tests use.
  add_executable(halvane_removal_probe win/app/RemovalProbe.cpp)
  halvane_strict(halvane_removal_probe)
  target_link_options(halvane_removal_probe PRIVATE -municode)
  target_link_libraries(halvane_removal_probe PRIVATE halvane_selfremoval)

  # Not halvane_win_test: the wrapper first checks that no profile link leaves the prefix.
  add_executable(app_selfremoval_win_tests win/app/SelfRemovalTest.cpp win/feedback/CaseFolder.cpp
                                           win/feedback/ChildProcess.cpp)
  halvane_strict(app_selfremoval_win_tests)
  target_include_directories(app_selfremoval_win_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                                                                ${PROJECT_SOURCE_DIR})
  target_link_libraries(app_selfremoval_win_tests PRIVATE GTest::gtest_main shell32 ole32)
  add_dependencies(app_selfremoval_win_tests halvane_removal_probe)
  if(HALVANE_RUN_WIN_TESTS)
    add_test(NAME app_selfremoval_win_tests
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win/app/run-removal-tests.sh
                     $<TARGET_FILE:app_selfremoval_win_tests>)
    set_tests_properties(app_selfremoval_win_tests PROPERTIES FIXTURES_REQUIRED wine LABELS win
                         ENVIRONMENT HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX} TIMEOUT 300)
  endif()
endif()

# The program started from a copy of the shipped folder. They write the tool's log, so they
# also hold its lock. The close paths are one journey through every close of every window, with
# five runs of the tool.
foreach(name startup_failures startup_version whole_program close_paths)
  set(timeout 600)
  if(name STREQUAL close_paths)
    set(timeout 900)
  endif()
  halvane_e2e_test(e2e_${name}_test SCRIPT test_${name}.py TIMEOUT ${timeout} LOCKS halvane_toollog
    ENV "HALVANE_E2E_APP_DIR=${CMAKE_BINARY_DIR}/Halvane"
        "HALVANE_E2E_FAKE_INIT0=$<TARGET_FILE:fakefeedback_init0>"
        "HALVANE_E2E_URLRECORDER=$<TARGET_FILE:urlrecorder>")
endforeach()
