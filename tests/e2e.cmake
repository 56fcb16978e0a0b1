# End-to-end harness: probe.exe and a small demo program driven through Xvfb, xdotool and Wine.
halvane_native_test(probe_core_test
  SOURCES e2e/unit/JsonWriterTest.cpp e2e/unit/ProbeCommandTest.cpp
  LIBS probe_core)

if(NOT HALVANE_WINDOWS AND HALVANE_PYTHON3)
  # The harness's own logic (tree search, coordinates, waiting) without Wine.
  add_test(NAME e2e_lib_test
           COMMAND ${HALVANE_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_halvane_e2e.py)
  set_tests_properties(e2e_lib_test PROPERTIES LABELS unit ENVIRONMENT PYTHONDONTWRITEBYTECODE=1)
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

  halvane_e2e_test(e2e_skin_preview_test SCRIPT test_skin_preview.py
    ENV "HALVANE_E2E_SKIN_DIR=${CMAKE_BINARY_DIR}/e2e/skin")
  halvane_e2e_test(e2e_demo_test SCRIPT test_demo_app.py
    ENV "HALVANE_E2E_DEMO_DIR=${CMAKE_BINARY_DIR}/e2e/demo")
endif()
