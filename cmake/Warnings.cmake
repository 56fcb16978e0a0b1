# Strict warnings for our own targets only (third-party code keeps its defaults).
function(halvane_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
