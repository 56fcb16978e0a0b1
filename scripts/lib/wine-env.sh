# Sourced by the scripts: the one place that knows the test Wine environment.
HALVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX=${HALVANE_WINEPREFIX:-$HALVANE_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
HALVANE_DISPLAY_FILE="$WINEPREFIX.display"

# Debian's wine64 has no preloader: its loader sits at 0x7d000000 and the kernel puts its heap
# anywhere in the gigabyte above, so about one process start in a few thousand finds the heap
# over the page Wine needs for the shared user data at 0x7ffe0000 and dies at once ("failed to
# map the shared user data"). Without address randomisation the heap stays right after the
# loader. Every process Wine starts from here inherits the setting.
HALVANE_NO_RANDOMISATION=(setarch "$(uname -m)" -R)

# Run a wine command with code page 936; LC_ALL only here so Linux tools keep printing UTF-8.
halvane_wine() { LC_ALL=zh_CN.UTF-8 "${HALVANE_NO_RANDOMISATION[@]}" wine "$@"; }

# The display the tests use: the caller's, or the Xvfb the prefix script started.
halvane_display() {
  if [ -f "$HALVANE_DISPLAY_FILE" ]; then
    export DISPLAY=$(cat "$HALVANE_DISPLAY_FILE")
  fi
}
