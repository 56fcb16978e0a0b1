# Supported-system check: the table natively; under Wine the PEB pair for each reported version.
if(NOT TARGET halvane_osversion_core)
  include(${PROJECT_SOURCE_DIR}/engine/OsVersion.cmake)
endif()

halvane_native_test(osversion_unit_tests
  SOURCES unit/osversion/OsVersionTest.cpp
  LIBS halvane_osversion_core)

if(HALVANE_WINDOWS)
  # Test-only program: prints the pair it reads and the table's answer for it.
  add_executable(halvane_osversion_probe win/osversion/OsVersionProbe.cpp)
  halvane_strict(halvane_osversion_probe)
  target_link_libraries(halvane_osversion_probe PRIVATE halvane_osversion)

  halvane_win_test(osversion_win_tests
    SOURCES win/osversion/OsVersionWinTest.cpp win/feedback/ChildProcess.cpp
    LIBS halvane_osversion)
  target_include_directories(osversion_win_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  add_dependencies(osversion_win_tests halvane_osversion_probe)
endif()
