# The shipped build (presets release-x64, release-i686): small, stripped and byte-for-byte
# reproducible. Included by Windows.cmake when HALVANE_RELEASE is on.

# Unused functions and data go: each gets its own section, and the linker drops unreferenced ones.
add_compile_options(-ffunction-sections -fdata-sections)
# No build folder may leak into the binaries (file names in diagnostics macros).
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
# -s: no symbols or debug information in the shipped files.
# --no-insert-timestamp: the PE header's link time stays 0, so two builds give the same bytes.
add_link_options(-s -Wl,--gc-sections -Wl,--no-insert-timestamp)
# cpack installs only the two shipped files: it must not build every tool first (the build
# presets build just the program and the library).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
