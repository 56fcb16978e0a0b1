"""Checks that every `#include "folder/..."` of the product keeps the layers:

    framework <- controls <- dialogs <- panel <- app

engine, log and feedback sit below the window layers (engine uses log); feedbacklib, the separate
library, takes framework headers, its own, and the feedback folder's shared contract headers only.
res/ is open to all. Product code never includes tools/, tests/ or bench/. Prints each offending
file:line with the rule it breaks, and each cycle between folders; exits 1 on any.

    check_includes.py ROOT          check the tree at ROOT
    check_includes.py --self-test   check the checker on small made-up trees
"""

import re
import sys
import tempfile
from pathlib import Path

WINDOWS = ["controls", "dialogs", "panel", "app"]
BELOW_WINDOWS = ["framework", "engine", "log", "feedback"]
# Folder -> the other folders it may include (res/ and its own folder always).
ALLOWED = {
    "framework": set(),
    "log": {"framework"},
    "feedback": {"framework"},
    "engine": {"framework", "log"},
    "feedbacklib": {"framework"},
    "res": set(),
}
for _i, _layer in enumerate(WINDOWS):
    ALLOWED[_layer] = set(BELOW_WINDOWS) | set(WINDOWS[:_i])
# Single headers a folder may take from one it may not include as a whole.
ALLOWED_FILES = {
    "feedbacklib": {"feedback/FeedbackEntryPoints.h", "feedback/FeedbackAddresses.h",
                    "feedback/VersionAnswers.h"},
}
OPEN_TO_ALL = {"res"}
NEVER = {"tools", "tests", "bench", "scripts", "docs", "cmake"}
SOURCES = {".h", ".hpp", ".c", ".cpp", ".inl", ".rc"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def includes(root):
    """(folder, file, line number, included path, included folder) for each quoted include with a
    folder in the product."""
    for folder in sorted(ALLOWED):
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in SOURCES or not path.is_file():
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            for number, line in enumerate(text.splitlines(), 1):
                match = INCLUDE.match(line)
                if match and "/" in match.group(1):
                    target = match.group(1)
                    yield folder, path.relative_to(root), number, target, target.split("/")[0]


def rule(folder):
    may = sorted(ALLOWED[folder] | OPEN_TO_ALL) + sorted(ALLOWED_FILES.get(folder, ()))
    return f"{folder}/ may include only its own headers and {', '.join(may) or 'nothing else'}"


def violations(root):
    """Messages for includes that break the table, then for cycles between folders."""
    found = []
    edges = {}  # (from, to) -> first "file:line" that makes it
    for folder, path, number, target, to in includes(root):
        if to == folder or to in OPEN_TO_ALL:
            continue
        where = f"{path.as_posix()}:{number}"
        if to in ALLOWED:
            edges.setdefault((folder, to), where)
        if to in NEVER:
            found.append(f'{where}: includes "{target}": product code never includes {to}/')
        elif to in ALLOWED and to not in ALLOWED[folder] and \
                target not in ALLOWED_FILES.get(folder, ()):
            found.append(f'{where}: includes "{target}": {rule(folder)}')
    return found + [f"cycle between folders {c}" for c in cycles(edges)]


def cycles(edges):
    """Each group of folders that include each other, with its shortest cycle through its first
    folder: 'a, b: a -> b -> a (file:line, file:line)'."""
    graph = {}
    for a, b in edges:
        graph.setdefault(a, set()).add(b)

    def reach(start):
        seen, todo = set(), [start]
        while todo:
            for nxt in graph.get(todo.pop(), ()):
                if nxt not in seen:
                    seen.add(nxt)
                    todo.append(nxt)
        return seen

    reachable = {a: reach(a) for a in graph}
    found, done = [], set()
    for start in sorted(graph):
        group = {b for b in reachable[start] if start in reachable.get(b, ())}
        if start in done or not group:
            continue
        done |= group
        paths, loop = {start: [start]}, None
        queue = [start]
        while loop is None:  # breadth first, so the cycle found is a shortest one
            here = queue.pop(0)
            for nxt in sorted(graph[here] & group):
                if nxt == start:
                    loop = paths[here] + [start]
                    break
                if nxt not in paths:
                    paths[nxt] = paths[here] + [nxt]
                    queue.append(nxt)
        where = ", ".join(edges[(a, b)] for a, b in zip(loop, loop[1:]))
        found.append(f"{', '.join(sorted(group))}: " + " -> ".join(loop) + f" ({where})")
    return found


def self_test():
    """Made-up trees: each must give exactly the expected findings (by their start)."""
    cases = [
        ({"app/A.cpp": '#include "panel/P.h"\n#include "res/resource.h"\n#include "log/L.h"'}, []),
        ({"feedbacklib/X.cpp": '#include "feedback/VersionAnswers.h"'}, []),
        ({"controls/C.h": '#include "dialogs/D.h"'},
         ['controls/C.h:1: includes "dialogs/D.h": controls/ may include only']),
        ({"feedbacklib/X.cpp": '\n#include "feedback/FeedbackDll.h"'},
         ['feedbacklib/X.cpp:2: includes "feedback/FeedbackDll.h"']),
        ({"engine/E.cpp": '  #  include "tools/probe/Utf8.h"'},
         ['engine/E.cpp:1: includes "tools/probe/Utf8.h": product code never includes tools/']),
        ({"log/L.cpp": '#include "engine/E.h"', "engine/E.cpp": '#include "log/L.h"'},
         ['log/L.cpp:1: includes "engine/E.h": log/ may include only',
          "cycle between folders engine, log: engine -> log -> engine "
          "(engine/E.cpp:1, log/L.cpp:1)"]),
        ({"panel/P.cpp": '// #include "app/A.h"\n#include <app/A.h>'}, []),
    ]
    failures = 0
    for number, (files, expected) in enumerate(cases):
        with tempfile.TemporaryDirectory() as folder:
            root = Path(folder)
            for name, text in files.items():
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text(text + "\n", encoding="utf-8")
            got = violations(root)
        if len(got) != len(expected) or not all(g.startswith(e) for g, e in zip(got, expected)):
            failures += 1
            print(f"self-test case {number}: expected {expected}, got {got}")
    return failures == 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return 0 if self_test() else 1
    if len(argv) != 2:
        print(__doc__)
        return 2
    root = Path(argv[1])
    count = sum(1 for _ in includes(root))
    if count == 0:
        print(f"no product includes found under {root}")
        return 1
    found = violations(root)
    for message in found:
        print(message)
    print(f"{count} includes checked, {len(found)} broken")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
