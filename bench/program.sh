#!/usr/bin/env bash
# Benchmarks of the whole program: size of the shipped files of both targets, and under Wine
# (x86_64 build) cold start, idle cost and the mode change, each against its floor measured in
# the same run, and the GDI objects and handles left after the dialogs open and close (the
# feedback question in the dialogs demo program, as the tool shows it only once). Prints the report
# and keeps it in the build tree (program-report.txt); with --update-readme it also replaces the
# tracked report in bench/README.md (between its "program.sh report" markers).
#   bench/program.sh [--update-readme] [PAIRS]     timed pairs per timing (default 15)
# BENCH_BUILD_DIR chooses the tree of the benchmark programs (default build/bench-x64); the
# measured Halvane.exe is the shipped one of build/release-x64 (built here when missing).
# BENCH_STEPS="label=folder ..." (no spaces) names earlier shipped folders, oldest first: each step, and
# finally this build, is timed against the one before it (cold start head to head, and the mode
# change of each against the bare commands), so every change shows its own gain in this run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/lib/build-env.sh
build=${BENCH_BUILD_DIR:-build/bench-x64}
case $build in /*) ;; *) build=$root/$build ;; esac
update_readme=0
if [ "${1:-}" = --update-readme ]; then
  update_readme=1
  shift
fi
pairs=${1:-15}
idle_seconds=10
leak_rounds=60 # Wine's cache of window DCs fills over the first 20 to 30 mode changes
settle_seconds=3 # past the one-off version check 100 ms after start
mkdir -p "$build"
log=$build/bench-build.log

echo "bench: building the release targets and the benchmark programs" >&2
if ! { for preset in release-x64 release-i686; do
         cmake --preset "$preset" && cmake --build --preset "$preset"; done &&
       cmake --preset mingw-x64 -B "$build" &&
       cmake --build "$build" --target bench_program bench_bare_skin e2e_dialogs testtools; } >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi

export HALVANE_WINEPREFIX=$build/wineprefix
trap '"$root/scripts/wine-prefix" stop' EXIT
echo "bench: creating the Wine prefix" >&2
"$root/scripts/wine-prefix" create "$build/testtools"
# The shipped folder as a user gets it, and the floor program beside it.
stage=$HALVANE_WINEPREFIX/drive_c/halvane-bench
rm -rf "$stage"
mkdir -p "$stage/bare"
cp -r build/release-x64/Halvane "$stage/Halvane"
cp "$build/bench/bench_bare_skin.exe" "$stage/bare/"
cp -r "$build/e2e/dialogs" "$stage/dialogs"
tool='C:\halvane-bench\Halvane\Halvane.exe'
bare='C:\halvane-bench\bare\bench_bare_skin.exe'
demo='C:\halvane-bench\dialogs\DialogsDemo.exe'
run() { "$root/scripts/wine-exec" "$build/bench/bench_program.exe" "$@" | tr -d '\r'; }

# Keeps a program up through bench_program and samples its Wine process meanwhile.
idle() { # hold|holdbare EXE LABEL [ARGS]
  local held=$build/bench-hold.txt
  rm -f "$held"
  # Straight to the file: a filter in between would hold "ready" back until the end.
  "$root/scripts/wine-exec" "$build/bench/bench_program.exe" "$1" \
    $((settle_seconds + idle_seconds + 5)) "$2" ${4:+"$4"} >"$held" &
  local holder=$!
  local waited=0
  until grep -q ready "$held" 2>/dev/null; do
    sleep 0.2
    waited=$((waited + 1))
    if [ "$waited" -gt 300 ] || ! kill -0 "$holder" 2>/dev/null; then
      echo "  $3: never came up ($(cat "$held"))"
      wait "$holder" || true
      return
    fi
  done
  sleep "$settle_seconds"
  python3 bench/proc_sample.py "$HALVANE_WINEPREFIX" "${2##*\\}" "$idle_seconds" "$3" ||
    echo "  $3: could not be sampled"
  wait "$holder" || true
}

# Every step's folder beside the shipped one, and each timed against its predecessor.
steps() { # PAIRS
  local previous="" label folder i=0
  for step in $BENCH_STEPS "this-build=build/release-x64/Halvane"; do
    label=${step%%=*}
    folder=${step#*=}
    i=$((i + 1))
    rm -rf "$stage/step$i"
    cp -r "$folder" "$stage/step$i"
    if [ -n "$previous" ]; then
      echo "Step: $label (against $previous_label)"
      run versus "$1" "C:\\halvane-bench\\step$((i - 1))\\Halvane.exe" \
        "C:\\halvane-bench\\step$i\\Halvane.exe" || echo "(versus exited $?)"
    else
      echo "Step: $label (the starting point)"
    fi
    run modechange "$1" "C:\\halvane-bench\\step$i\\Halvane.exe" | grep -E "click to|difference|bare commands|please-wait" ||
      echo "(mode change exited $?)"
    echo
    previous=$step
    previous_label=$label
  done
}

out=$(mktemp)
trap 'rm -f "$out"; "$root/scripts/wine-prefix" stop' EXIT
{
  echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores shared" \
       "with other work (load average $(cut -d' ' -f1-3 /proc/loadavg) at the start)," \
       "$(wine --version), Xvfb, $(date -u +%Y-%m-%d)"
  echo
  echo "Size of the shipped files (release presets, MinSizeRel, stripped)"
  for preset in release-x64 release-i686; do
    exe=$(stat -c %s "build/$preset/Halvane/Halvane.exe")
    dll=$(stat -c %s "build/$preset/Halvane/ArkwenFeedbackInformation.dll")
    total=$((exe + dll))
    verdict=$([ "$total" -le 1258291 ] && echo MET || echo "NOT MET")
    printf '  %-13s Halvane.exe %7d B + library %7d B = %7d B (%.2f MB): goal at most 1.2 MB %s\n' \
           "$preset" "$exe" "$dll" "$total" "$(awk -v t="$total" 'BEGIN { print t / 1048576 }')" "$verdict"
  done
  echo
  echo "bench: cold start, $pairs pairs" >&2
  run startup "$pairs" "$tool" "$bare" || echo "(start-up benchmark exited $?)"
  echo
  echo "bench: idle, $idle_seconds s each" >&2
  echo "Idle: $idle_seconds s with the window up and the pointer still, $settle_seconds s after it" \
       "came up; read from the Wine process (all threads' CPU time; Private_Dirty)"
  idle "holdbare" "$bare" "floor program"
  idle "holdbare" "$bare" "floor + tick" tick
  idle "hold" "$tool" "Halvane.exe"
  echo
  echo "bench: mode change, $pairs pairs" >&2
  run modechange "$pairs" "$tool" || echo "(mode change benchmark exited $?)"
  echo
  if [ -n "${BENCH_STEPS:-}" ]; then
    echo "bench: steps $BENCH_STEPS" >&2
    steps "$pairs"
  fi
  echo "bench: dialogs opened and closed, $leak_rounds rounds each" >&2
  echo "Leaks: GDI objects (Wine's GDI trace) and kernel handles (the system's handle list)" \
       "after rounds 1, $((leak_rounds / 2)) and $leak_rounds of each dialog"
  run handlecheck 0 "$bare" || echo "(handle count check exited $?)"
  "$root/scripts/wine-exec" "$build/bench/bench_program.exe" leaks "$leak_rounds" "$tool" \
    2>"$build/bench-gdi-trace.txt" | tr -d '\r' || echo "(leak harness exited $?)"
  "$root/scripts/wine-exec" "$build/bench/bench_program.exe" feedback "$leak_rounds" "$demo" \
    2>>"$build/bench-gdi-trace.txt" | tr -d '\r' || echo "(feedback rounds exited $?)"
  python3 bench/gdi_marks.py "$build/bench-gdi-trace.txt" || echo "  (no counts)"
} >"$out"
cat "$out"

cp "$out" "$build/program-report.txt"
[ "$update_readme" -eq 1 ] || exit 0

# The report replaces the section between the markers in bench/README.md.
python3 - "$out" <<'PY'
import sys
from pathlib import Path
readme = Path("bench/README.md")
text = readme.read_text()
begin, end = "<!-- program.sh report -->", "<!-- end of program.sh report -->"
report = Path(sys.argv[1]).read_text().rstrip("\n")
block = f"{begin}\n```\n{report}\n```\n{end}"
if begin in text:
    head, rest = text.split(begin, 1)
    text = head + block + rest.split(end, 1)[1]
else:
    text = text.rstrip("\n") + "\n\n## Whole program: last measured\n\n" + block + "\n"
readme.write_text(text)
PY
