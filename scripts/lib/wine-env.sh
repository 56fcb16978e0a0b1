# Sourced by the scripts: the one place that knows the test Wine environment.
HALVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX=${HALVANE_WINEPREFIX:-$HALVANE_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
HALVANE_DISPLAY_FILE="$WINEPREFIX.display"

# Run a wine command with code page 936; LC_ALL only here so Linux tools keep printing UTF-8.
halvane_wine() { LC_ALL=zh_CN.UTF-8 wine "$@"; }

# The display the tests use: the caller's, or the Xvfb the prefix script started.
halvane_display() {
  if [ -f "$HALVANE_DISPLAY_FILE" ]; then
    export DISPLAY=$(cat "$HALVANE_DISPLAY_FILE")
  fi
}
