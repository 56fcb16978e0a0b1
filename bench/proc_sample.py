"""CPU time and memory of a Windows program under Wine, read from its Linux process.

  proc_sample.py PREFIX IMAGE SECONDS LABEL

Finds the process of this Wine prefix whose command line ends with IMAGE (a Windows path),
sums the on-CPU time of all its threads (/proc/<pid>/task/*/schedstat, nanoseconds) over
SECONDS, then reads its memory: Private_Dirty (pages only this process wrote: heap, stacks,
written data; the nearest to Windows' PrivateUsage) and, for context, Private_Clean and RSS.
"""

import os
import sys
import time
from pathlib import Path


def find_process(prefix, image):
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            cmdline = (entry / "cmdline").read_bytes().split(b"\0")[0].decode(errors="replace")
            environ = (entry / "environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if cmdline.lower().endswith(image.lower()) and f"WINEPREFIX={prefix}".encode() in environ:
            return entry
    raise SystemExit(f"no process {image} in {prefix}")


def cpu_ns(proc):
    total = 0
    for task in (proc / "task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except OSError:
            pass  # a thread that ended meanwhile
    return total


def memory_kb(proc):
    fields = {}
    for line in (proc / "smaps_rollup").read_text().splitlines()[1:]:
        key, value = line.split(":", 1)
        fields[key] = int(value.split()[0])
    return fields


def main():
    prefix, image, seconds, label = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4]
    proc = find_process(prefix, image)
    before, start = cpu_ns(proc), time.monotonic()
    time.sleep(seconds)
    used_ms, wall = (cpu_ns(proc) - before) / 1e6, time.monotonic() - start
    mem = memory_kb(proc)
    mb = lambda kb: kb / 1024
    print(f"  {label:<13} CPU {used_ms:7.2f} ms in {wall:4.1f} s = {used_ms / wall:6.3f} ms/s;"
          f"  Private_Dirty {mb(mem['Private_Dirty']):6.2f} MB"
          f"  (Private_Clean {mb(mem['Private_Clean']):5.2f} MB, RSS {mb(mem['Rss']):5.2f} MB)")
    return used_ms / wall, mb(mem["Private_Dirty"])


if __name__ == "__main__":
    cpu, private = main()
    if sys.argv[4] == "Halvane.exe":
        print(f"Goal: idle CPU below 1 ms per second: {'MET' if cpu < 1 else 'NOT MET'}")
        print(f"Goal: private memory at most 15 MB: {'MET' if private <= 15 else 'NOT MET'}")
