# End-to-end harness: probe.exe and a small demo program driven through Xvfb, xdotool and Wine.
halvane_native_test(probe_core_test
  SOURCES e2e/unit/JsonWriterTest.cpp e2e/unit/ProbeCommandTest.cpp
  LIBS probe_core)

# Debian's python3 carries PIL (python3-pil); a python3 earlier on PATH may not.
find_program(HALVANE_PYTHON3 NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(HALVANE_PYTHON3 NAMES python3)

if(NOT HALVANE_WINDOWS AND HALVANE_PYTHON3)
  # The harness's own logic (tree search, coordinates, waiting) without Wine.
  add_test(NAME e2e_lib_test
           COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_halvane_e2e.py)
  set_tests_properties(e2e_lib_test PROPERTIES ENVIRONMENT PYTHONDONTWRITEBYTECODE=1)
endif()

if(HALVANE_WINDOWS)
  # Alone in its folder, as the tests copy the whole folder into the prefix.
  add_executable(e2e_demo WIN32 e2e/demo_app/DemoMain.cpp e2e/demo_app/DemoWindow.cpp)
  halvane_strict(e2e_demo)
  target_include_directories(e2e_demo PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_options(e2e_demo PRIVATE -municode)
  set_target_properties(e2e_demo PROPERTIES OUTPUT_NAME E2eDemo
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e/demo)

  # The panel template painted with the real skin art: the harness on framework + resources.
  add_executable(e2e_skin_preview WIN32 e2e/skin_app/SkinPreview.cpp $<TARGET_OBJECTS:halvane_res>)
  halvane_strict(e2e_skin_preview)
  target_link_libraries(e2e_skin_preview PRIVATE halvane_controls)
  target_link_options(e2e_skin_preview PRIVATE -municode)
  set_target_properties(e2e_skin_preview PROPERTIES OUTPUT_NAME SkinPreview
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e/skin)

  if(HALVANE_RUN_WIN_TESTS AND HALVANE_PYTHON3)
    add_test(NAME e2e_skin_preview_test
             COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_skin_preview.py -v)
    set_tests_properties(e2e_skin_preview_test PROPERTIES
      FIXTURES_REQUIRED wine
      RESOURCE_LOCK halvane_display
      TIMEOUT 300
      ENVIRONMENT "HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX};HALVANE_PROBE=$<TARGET_FILE:probe>;HALVANE_E2E_SKIN_DIR=${CMAKE_BINARY_DIR}/e2e/skin;HALVANE_E2E_ARTEFACTS=${CMAKE_BINARY_DIR}/e2e-artefacts;PYTHONDONTWRITEBYTECODE=1")
    add_test(NAME e2e_demo_test
             COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_demo_app.py -v)
    set_tests_properties(e2e_demo_test PROPERTIES
      FIXTURES_REQUIRED wine
      RESOURCE_LOCK halvane_display
      TIMEOUT 300
      ENVIRONMENT "HALVANE_WINEPREFIX=${HALVANE_WINEPREFIX};HALVANE_PROBE=$<TARGET_FILE:probe>;HALVANE_E2E_DEMO_DIR=${CMAKE_BINARY_DIR}/e2e/demo;HALVANE_E2E_ARTEFACTS=${CMAKE_BINARY_DIR}/e2e-artefacts;PYTHONDONTWRITEBYTECODE=1")
  endif()
endif()
