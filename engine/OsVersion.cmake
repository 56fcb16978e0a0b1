# Supported-system check: the pure version table everywhere, the PEB reader on Windows.
# Included by engine/CMakeLists.txt (and by tests/osversion.cmake when the engine folder does not).
include_guard(GLOBAL)

# Sources relative to the including folder: halvane_pure_library reads them from there.
file(RELATIVE_PATH halvane_osversion_dir ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
if(halvane_osversion_dir STREQUAL "")
  set(halvane_osversion_dir .)
endif()

halvane_pure_library(halvane_osversion_core ${halvane_osversion_dir}/OsVersion.cpp)

if(HALVANE_WINDOWS)
  halvane_win_library(halvane_osversion ${halvane_osversion_dir}/OsVersionWin.cpp)
  target_link_libraries(halvane_osversion PUBLIC halvane_osversion_core)
endif()
