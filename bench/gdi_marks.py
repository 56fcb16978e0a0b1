"""GDI objects and kernel handles of a program at the benchmark's marks.

  gdi_marks.py LOG

Under Wine 8 GetGuiResources is a stub (it gives 0). With WINEDEBUG=+pid,trace+gdi every GDI
object the program creates or deletes is traced with the process's live count ("allocated ...
N/65536", "freed ... N/65536", the latter counted before the object goes). bench_program writes
"halvane-bench-mark PID LABEL HANDLES" lines between them (HANDLES counted by the driver from
the system's handle list, -1 when not answered); this prints both counts at each mark.

Rounds are marked KIND-1, KIND-<half> and KIND-<last>: the verdict is taken from the half-way
mark to the last one, so what the first rounds fill once (a cache) is not taken for growth.
"""

import re
import sys

TRACE = re.compile(r"^([0-9a-f]{4}):[0-9a-f]{4}:trace:gdi:\w+ (allocated|freed) \S+ \S+ (\d+)/")
MARK = re.compile(r"^halvane-bench-mark ([0-9a-f]{4}) (\S+) (-?\d+)")
KINDS = {"changes": "mode changes (please-wait and outcome prompt)",
         "agreements": "agreement pop-ups",
         "feedback": "feedback questions (dialogs demo program)"}

live, marks = {}, []
with open(sys.argv[1], encoding="utf-8", errors="replace") as log:
    for line in log:
        if m := TRACE.match(line):
            count = int(m[3])
            live[m[1]] = count if m[2] == "allocated" else count - 1
        elif m := MARK.match(line):
            handles = int(m[3])
            marks.append((m[2], live.get(m[1]), handles if handles >= 0 else None))
if not marks:
    raise SystemExit("no marks in the log")


def show(value):
    return "none" if value is None else str(value)


print(f"  {'mark':<16} {'GDI objects':>11} {'handles':>8}")
for label, gdi, handles in marks:
    print(f"  {label:<16} {show(gdi):>11} {show(handles):>8}")

for kind, what in KINDS.items():
    rounds = sorted((int(label.split("-")[1]), gdi, handles) for label, gdi, handles in marks
                    if label.startswith(kind + "-"))
    if len(rounds) < 3:
        continue
    (_, gdi1, h1), (half, gdih, hh), (last, gdil, hl) = rounds[0], rounds[-2], rounds[-1]
    verdicts = []
    for name, first, mid, end in (("GDI objects", gdi1, gdih, gdil), ("handles", h1, hh, hl)):
        if None in (first, mid, end):
            verdicts.append(f"{name} not counted")
            continue
        growth = end - mid
        verdicts.append(f"{name} {mid - first:+d} from round 1 to {half}, {growth:+d} from round "
                        f"{half} to {last} ({'no growth' if growth <= 0 else 'GROWTH'})")
    print(f"  {what}: " + "; ".join(verdicts))
