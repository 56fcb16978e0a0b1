halvane_native_test(engine_unit_tests
  SOURCES unit/engine/SchemeParsersTest.cpp unit/engine/MbcsCarryTest.cpp
  LIBS halvane_engine_core)

halvane_fuzz_target(fuzz_engine_parsers
  SOURCES fuzz/engine_parsers_fuzz.cpp
  LIBS halvane_engine_core)

halvane_win_test(engine_runner_tests
  SOURCES win/engine/CommandRunnerTest.cpp win/engine/SimFixture.cpp
  LIBS halvane_engine)

halvane_win_test(engine_switcher_tests
  SOURCES win/engine/PowerSchemeSwitcherTest.cpp win/engine/SimFixture.cpp
  LIBS halvane_engine)

# Both write the tool's log in the prefix's common application data folder.
if(HALVANE_RUN_WIN_TESTS)
  set_tests_properties(engine_switcher_tests PROPERTIES RESOURCE_LOCK halvane_toollog)
endif()
