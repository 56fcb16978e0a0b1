# Skinned push buttons and the check box: state, geometry and layout rules everywhere, the
# controls themselves on Windows.
halvane_pure_sources(halvane_controls_core
  ButtonGeometry.cpp
  ButtonState.cpp
  CheckBoxLayout.cpp)

if(HALVANE_WINDOWS)
  target_sources(halvane_controls PRIVATE
    ButtonImages.cpp
    CheckBoxBtn.cpp
    ImageButton.cpp
    PngButton.cpp)
endif()
