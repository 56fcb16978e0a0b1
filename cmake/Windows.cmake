# MinGW-w64 targets: Unicode Win32, static runtime so the folder needs nothing but Windows.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
set(HALVANE_FUZZ OFF)

function(halvane_pure_sources target)
  target_sources(${target} PRIVATE ${ARGN})
endfunction()

function(halvane_pure_library target)
  add_library(${target} STATIC ${ARGN})
  halvane_strict(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A Win32 library of ours.
function(halvane_win_library target)
  add_library(${target} STATIC ${ARGN})
  halvane_strict(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# Our machines cannot execute 32-bit code: the i686 tests are compiled, never run.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(HALVANE_RUN_WIN_TESTS ON)
else()
  set(HALVANE_RUN_WIN_TESTS OFF)
endif()

# Test executables run under Wine in this build tree's own throw-away prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-exec)
set(HALVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# Folder of test doubles (powercfg.exe, ...) installed into the prefix's system32.
set(HALVANE_TOOLS_DIR ${CMAKE_BINARY_DIR}/testtools)

option(HALVANE_RELEASE "The shipped build: size flags, stripped, reproducible (release presets)" OFF)
if(HALVANE_RELEASE)
  include(${CMAKE_CURRENT_LIST_DIR}/Release.cmake)
endif()
