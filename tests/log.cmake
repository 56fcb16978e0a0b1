# Log writer: pure logic natively (ASan/UBSan), a fuzzer, and the bytes on disk under Wine.
halvane_native_test(log_core_test
  SOURCES unit/log/LogEntryTest.cpp unit/log/LogConfigTest.cpp unit/log/LogPartsTest.cpp
  LIBS halvane_log_core)

halvane_fuzz_target(fuzz_log SOURCES fuzz/log_fuzz.cpp LIBS halvane_log_core)

if(HALVANE_WINDOWS)
  halvane_win_test(log_win_test
    SOURCES win/log/LogTestFolder.cpp win/log/LogTestFiles.cpp win/log/LogFileTest.cpp win/log/LogRotationTest.cpp
            win/log/LogConfigTest.cpp win/log/LogLinkTest.cpp
    LIBS halvane_log)
  # Runs itself as child processes, each making its first GetInstance call from two threads.
  halvane_win_test(log_singleton_test
    SOURCES win/log/LogTestFiles.cpp win/log/LogSingletonTest.cpp
    LIBS halvane_log)
  if(HALVANE_RUN_WIN_TESTS)
    # Both write to the real ToolLog folder of the prefix; anything else that logs there must
    # not run beside them.
    set_tests_properties(log_singleton_test PROPERTIES RESOURCE_LOCK halvane_toollog)
  endif()
endif()
