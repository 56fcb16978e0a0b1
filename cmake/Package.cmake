# The shipped zip, made by `cpack --preset release-x64` (or release-i686) after the build:
# Halvane-<version>-win64.zip (win32 for i686) holding the folder Halvane/ with the program and
# the feedback library, nothing else.
install(PROGRAMS $<TARGET_FILE:Halvane> $<TARGET_FILE:halvane_feedbacklib> DESTINATION Halvane)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(halvane_package_system win64)
else()
  set(halvane_package_system win32)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Halvane)
set(CPACK_PACKAGE_VENDOR Halvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME ${halvane_package_system})
set(CPACK_PACKAGE_FILE_NAME Halvane-${PROJECT_VERSION}-${halvane_package_system})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_VERBATIM_VARIABLES ON)

# The zip stores each file's times: cpack takes them all from SOURCE_DATE_EPOCH when it is set, so
# the same sources give the same archive bytes. Fixed here at configure time (the last commit's
# time unless the caller sets it) and handed to cpack through its run-time settings file.
set(halvane_package_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(halvane_package_epoch STREQUAL "")
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE halvane_package_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET RESULT_VARIABLE halvane_git_result)
  if(NOT halvane_git_result EQUAL 0 OR NOT halvane_package_epoch MATCHES "^[0-9]+$")
    set(halvane_package_epoch 1577836800) # 2020-01-01 00:00:00 UTC
  endif()
endif()
set(CPACK_HALVANE_EPOCH ${halvane_package_epoch})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageTimes.cmake)

include(CPack)
