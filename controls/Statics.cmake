# Text statics: layout tables, centred-block arithmetic and the dots sequence everywhere; the
# two owner-painted statics on Windows.
halvane_pure_sources(halvane_controls_core TextLayout.cpp StateDots.cpp)

if(HALVANE_WINDOWS)
  target_sources(halvane_controls PRIVATE
    StaticPainting.cpp
    DrawTextStatic.cpp
    DrawStateInfoStatic.cpp)
endif()
