# Text statics: layout tables and the dots natively; the painted controls in real windows under
# Wine, read back pixel by pixel.
halvane_native_test(controls_statics_core_test
  SOURCES unit/controls_statics/TextLayoutTest.cpp
  LIBS halvane_controls_core)
