# Skinned scroll bar and frame: the geometry natively; the bar on a hosted rich edit in real
# windows under Wine, driven by injected mouse input.
halvane_native_test(controls_scroll_core_test
  SOURCES unit/controls_scroll/ScrollBarGeometryTest.cpp
  LIBS halvane_controls_core)
