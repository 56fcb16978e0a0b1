"""Live GDI object count of a program at the benchmark's marks, from Wine's GDI trace.

  gdi_marks.py LOG

Under Wine 8 GetGuiResources is a stub (it gives 0). With WINEDEBUG=+pid,trace+gdi every GDI
object the program creates or deletes is traced with the process's live count ("allocated ...
N/65536", "freed ... N/65536", the latter counted before the object goes). bench_program leaks
writes "halvane-bench-mark PID LABEL" lines between them; this prints the count at each mark.
"""

import re
import sys

TRACE = re.compile(r"^([0-9a-f]{4}):[0-9a-f]{4}:trace:gdi:\w+ (allocated|freed) \S+ \S+ (\d+)/")
MARK = re.compile(r"^halvane-bench-mark ([0-9a-f]{4}) (\S+)")

live, marks = {}, []
with open(sys.argv[1], encoding="utf-8", errors="replace") as log:
    for line in log:
        if m := TRACE.match(line):
            count = int(m[3])
            live[m[1]] = count if m[2] == "allocated" else count - 1
        elif m := MARK.match(line):
            marks.append((m[2], live.get(m[1])))
if not marks:
    raise SystemExit("no marks in the log")
for label, count in marks:
    print(f"  GDI objects at {label:<16} {count if count is not None else 'none traced'}")
by_label = dict(marks)
for first, last, what in [("first-change", "changes", "mode changes (progress and prompt)"),
                          ("first-agreement", "agreements", "agreement pop-ups")]:
    if first in by_label and last in by_label:
        growth = by_label[last] - by_label[first]
        print(f"  growth over the rounds of {what}: {growth:+d} "
              f"({'no growth' if growth <= 0 else 'LEAK'})")
