#!/usr/bin/env bash
# Runs the self-removal tests under Wine, but only in a prefix whose profile folders stay inside
# it (else a removal could reach the machine's home folder), with a spare drive letter mapped to
# a scratch folder for the drive-root case.
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
if ! "$root/scripts/wine-prefix" check-links; then
  echo "removal tests refused: a link in the prefix leads out of it (recreate the prefix)" >&2
  exit 1
fi
. "$root/scripts/lib/wine-env.sh"
letter=
for l in q r s t u v w x y; do
  if [ ! -e "$WINEPREFIX/dosdevices/$l:" ] && [ ! -L "$WINEPREFIX/dosdevices/$l:" ]; then
    letter=$l
    break
  fi
done
[ -n "$letter" ] || { echo "no spare drive letter in the prefix" >&2; exit 1; }
rm -rf "$WINEPREFIX/drive_c/halvane-removal-root"
mkdir -p "$WINEPREFIX/drive_c/halvane-removal-root"
ln -s ../drive_c/halvane-removal-root "$WINEPREFIX/dosdevices/$letter:"
trap 'rm -f "$WINEPREFIX/dosdevices/$letter:"' EXIT
status=0
HALVANE_TEST_ROOT_DRIVE="$letter:" "$root/scripts/wine-exec" "$@" || status=$?
exit $status
