# Include layering of the product folders (see docs/ARCHITECTURE.md "Layers and folders"): a
# plain script over the sources, so it runs with the native unit tests.
if(NOT HALVANE_WINDOWS AND HALVANE_PYTHON3)
  set(script ${CMAKE_CURRENT_SOURCE_DIR}/layers/check_includes.py)
  add_test(NAME layers_includes COMMAND ${HALVANE_PYTHON3} ${script} ${PROJECT_SOURCE_DIR})
  add_test(NAME layers_includes_checker COMMAND ${HALVANE_PYTHON3} ${script} --self-test)
  set_tests_properties(layers_includes layers_includes_checker PROPERTIES LABELS unit
                       ENVIRONMENT PYTHONDONTWRITEBYTECODE=1)
endif()
