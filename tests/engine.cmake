halvane_native_test(engine_unit_tests
  SOURCES unit/engine/SchemeParsersTest.cpp unit/engine/MbcsCarryTest.cpp
          unit/engine/RunDeadlineTest.cpp
  LIBS halvane_engine_core)

# One target per parser of powercfg's text, and one for the pipe reader's carry.
foreach(target IN ITEMS FIND_ULTIMATE DUPLICATED_GUID SCHEME_ACTIVE CARRY)
  string(TOLOWER "fuzz_${target}" name)
  halvane_fuzz_target(${name}
    SOURCES fuzz/engine_parsers_fuzz.cpp
    LIBS halvane_engine_core)
  if(TARGET ${name})
    target_compile_definitions(${name} PRIVATE FUZZ_${target})
  endif()
endforeach()

halvane_win_test(engine_runner_tests
  SOURCES win/engine/CommandRunnerTest.cpp win/engine/SimFixture.cpp
  LIBS halvane_engine)

# A hung powercfg met the way the user meets it: the switcher behind the real please-wait
# dialog and outcome prompt.
halvane_win_test(engine_hung_change_tests
  SOURCES win/engine/HungChangeJourneyTest.cpp win/engine/SimFixture.cpp
          win/dialogs/DialogsTestMain.cpp win/dialogs/DialogTestSupport.cpp
  LIBS halvane_engine halvane_dialogs halvane_res)
if(TARGET engine_hung_change_tests)
  target_include_directories(engine_hung_change_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win/dialogs)
endif()

halvane_win_test(engine_switcher_tests
  SOURCES win/engine/PowerSchemeSwitcherTest.cpp win/engine/SimFixture.cpp
  LIBS halvane_engine)

# Both write the tool's log in the prefix's common application data folder. Every test that runs
# the prefix's powercfg holds the same lock: the runner's tests count the powercfg processes
# left running in the whole prefix.
if(HALVANE_RUN_WIN_TESTS)
  set_tests_properties(engine_runner_tests PROPERTIES RESOURCE_LOCK halvane_toollog)
  # Each change runs powercfg several times with half-second pauses: on a loaded machine the
  # whole suite takes far longer than the default limit.
  set_tests_properties(engine_switcher_tests PROPERTIES RESOURCE_LOCK halvane_toollog TIMEOUT 1800)
  set_tests_properties(engine_hung_change_tests PROPERTIES RESOURCE_LOCK halvane_toollog)
endif()
