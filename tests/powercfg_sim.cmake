# powercfg simulator: its pure core natively, the built powercfg.exe through real pipes under Wine.
halvane_native_test(powercfg_sim_core_test
  SOURCES unit/powercfg_sim/SimStateTest.cpp unit/powercfg_sim/SimCommandTest.cpp
          unit/powercfg_sim/ChunkPlanTest.cpp
  LIBS powercfgsim_core)

if(HALVANE_WINDOWS)
  # The simulator is found on the path, from the prefix's system32, as cmd would find it.
  halvane_win_test(powercfg_sim_test
    SOURCES win/powercfg_sim/SimRun.cpp win/powercfg_sim/PowercfgSimTest.cpp)
  # Building the test also builds what the prefix installs for it.
  add_dependencies(powercfg_sim_test powercfg)
  if(HALVANE_RUN_WIN_TESTS)
    # It runs the prefix's powercfg (see tests/engine.cmake).
    set_tests_properties(powercfg_sim_test PROPERTIES RESOURCE_LOCK halvane_toollog)
  endif()
endif()
