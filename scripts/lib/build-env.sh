# Sourced by the scripts that build: every build uses all cores unless the caller chose a level.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
