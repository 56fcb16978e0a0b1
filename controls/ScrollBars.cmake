# Skinned scroll bar and the frame that puts it on a control: geometry everywhere, the windows
# on Windows.
halvane_pure_sources(halvane_controls_core
  ScrollBarGeometry.cpp)

if(HALVANE_WINDOWS)
  target_sources(halvane_controls PRIVATE
    SkinScrollBar.cpp
    SkinScrollWnd.cpp)
endif()
