# Skinned buttons and check box: state, geometry and layout rules natively; the controls in real
# windows under Wine, driven by messages and read back pixel by pixel.
halvane_native_test(controls_buttons_core_test
  SOURCES unit/controls_buttons/ButtonStateTest.cpp unit/controls_buttons/ButtonGeometryTest.cpp
          unit/controls_buttons/CheckBoxLayoutTest.cpp
  LIBS halvane_controls_core)
