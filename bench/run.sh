#!/usr/bin/env bash
# Builds the command-runner benchmark, runs it under Wine in a fresh prefix that has the
# powercfg simulator in system32, and prints its report.
#   bench/run.sh [PAIRS]      timed pairs of runs per case (default 5)
# BENCH_BUILD_DIR chooses the build tree (default build/bench-x64); its prefix is <tree>/wineprefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/lib/build-env.sh
build=${BENCH_BUILD_DIR:-build/bench-x64}
case $build in /*) ;; *) build=$root/$build ;; esac
reps=${1:-5}

mkdir -p "$build"
log=$build/bench-build.log
echo "bench: building in $build" >&2
if ! { cmake --preset mingw-x64 -B "$build" &&
       cmake --build "$build" --target bench_command_runner testtools; } >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi

export HALVANE_WINEPREFIX=$build/wineprefix
trap '"$root/scripts/wine-prefix" stop' EXIT
echo "bench: creating the Wine prefix" >&2
"$root/scripts/wine-prefix" create "$build/testtools"
echo "bench: running (two cases, $reps timed pairs each: about $((2 * (reps + 1))) s)" >&2
"$root/scripts/wine-exec" "$build/bench/bench_command_runner.exe" "$reps"
