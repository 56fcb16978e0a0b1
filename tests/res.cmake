# Resources: every image, template and record that Halvane.exe carries, read back under Wine.
halvane_win_test(res_resources_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/win/res/DialogTemplate.cpp
          ${CMAKE_CURRENT_LIST_DIR}/win/res/ResourceBytes.cpp
          ${CMAKE_CURRENT_LIST_DIR}/win/res/DialogResourceTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/win/res/PngResourceTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/win/res/ResourceRecordsTest.cpp
  LIBS halvane_res gdiplus ole32 version)
