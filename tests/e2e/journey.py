"""A newcomer's journey through Halvane.exe, played with the pointer as a user would: pick
高性能模式, press 设置, read the outcome, close the tool, answer 解决. Each step is printed and each
window saved as a screenshot. `scripts/run` plays it when there is no display; the whole-program
end-to-end test plays it and checks what it returns.

    python3 tests/e2e/journey.py [--interactive] SHIP_DIR [SHOTS_DIR]

With --interactive the tool is only started, and the user drives it; the report follows its end.
"""

import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import halvane_e2e as e2e  # noqa: E402
import panel_support as ps  # noqa: E402
import startup_support as su  # noqa: E402

SOLVED = 1003
HIGH_PERFORMANCE = 2
OUTCOMES = ("电源模式修改成功", "电源模式修改失败")
# The removal waits 3 s after the process has ended; cmd and Wine need a little more.
REMOVAL_SECONDS = 20.0


def find_with(snapshot, control_id):
    """The visible top-level window holding control_id, or None."""
    return next((w for w in snapshot.windows if w.visible and w.find(id=control_id)), None)


def active_plan_listing(session):
    """`powercfg /l` of the prefix (our simulator), decoded from code page 936."""
    with tempfile.TemporaryDirectory(dir=session.prefix.drive_c) as tmp:
        out = Path(tmp) / "plans.txt"
        su.wine(session, "cmd", "/C", "powercfg /l > " + session.prefix.windows_path(out))
        return out.read_bytes().decode("gbk", "replace").strip()


def play(session, ship_dir, say=print, shots=True):
    """Plays the journey; returns what a caller checks. The copied folder is left to the tool."""
    log = su.ToolLog(session)
    app = session.start_app(ship_dir, su.EXE, name="journey")
    result = {"folder": app.copy, "windows_folder": session.prefix.windows_path(app.copy),
              "steps": []}

    def step(text, window=None, shot=None):
        result["steps"].append(text)
        say(text)
        if shots and window is not None and shot:
            say(f"    screenshot: {session.screen.shot(shot, window.rect)}")

    panel = app.wait_for(lambda s: (p := su.find_panel(s)) is not None and p.visible
                         and len(p.find(id=su.MODE_LIST).items or []) == 4 and p,
                         timeout=60, what="the panel with its four modes")
    main = ps.main_window(app.tree())
    step(f"Halvane.exe started from {result['windows_folder']}: "
         f"window \"{main.text}\", modes {panel.find(id=su.MODE_LIST).items}", main, "run-1-panel")

    ps.choose_mode(session, app, HIGH_PERFORMANCE)
    step(f"picked \"{su.MODES[HIGH_PERFORMANCE]}\" from the drop-down list")

    session.click(su.find_panel(app.tree()).find(id=ps.SET))
    step("pressed \"设置\"")
    prompt = None
    seen_wait = False
    deadline = time.monotonic() + 60
    while prompt is None and time.monotonic() < deadline:
        snap = app.tree()
        waiting = ps.please_wait(snap)
        if waiting is not None and not seen_wait:
            seen_wait = True
            step(f"please-wait dialog: \"{waiting.find(id=ps.STATE_TEXT).text}\"",
                 ps.outer_of(snap, waiting), "run-2-please-wait")
        prompt = su.find_prompt(snap)
        if prompt is None:
            time.sleep(0.05)
    if prompt is None:
        raise e2e.WaitTimeout("no outcome prompt within 60 s")
    result["outcome"] = prompt.find(id=su.PROMPT_TEXT).text
    step(f"outcome: \"{result['outcome']}\"", ps.outer_of(snap, prompt), "run-3-outcome")
    session.click(prompt.find(id=su.PROMPT_OK))
    app.wait_for(lambda s: su.find_prompt(s) is None, what="the outcome prompt to close")

    session.click(su.find_panel(app.tree()).find(id=ps.CLOSE))
    question = app.wait_for(lambda s: find_with(s, SOLVED), timeout=30,
                            what="the feedback question")
    step("pressed the close button: the feedback question asks whether the problem was solved",
         ps.outer_of(app.tree(), question), "run-4-question")
    session.click(question.find(id=SOLVED))
    step("answered \"解决\"")
    result["exit_code"] = app.wait(30)
    step(f"Halvane.exe ended (exit code {result['exit_code']})")
    return after_the_end(session, app, log, result)


def after_the_end(session, app, log, result):
    """Whether the tool removed its folder, the plans and the log entries, into result."""
    try:
        e2e.wait_until(lambda: not app.copy.exists(), REMOVAL_SECONDS, interval=0.2,
                       what="the tool's folder to be removed")
        result["removed"] = True
    except e2e.WaitTimeout:
        result["removed"] = False
    result["plans"] = active_plan_listing(session)
    result["log"] = log.new_entries()
    return result


def wait_for_user(session, ship_dir):
    """Starts the tool and waits, without a deadline, until the user has closed it."""
    log = su.ToolLog(session)
    app = session.start_app(ship_dir, su.EXE, name="interactive")
    result = {"folder": app.copy, "windows_folder": session.prefix.windows_path(app.copy)}
    print(f"Halvane.exe runs from {result['windows_folder']}; close it to end this script.")
    result["exit_code"] = app.process.wait()
    result["outcome"] = OUTCOMES[0]  # the user read it
    return after_the_end(session, app, log, result)


def main():
    args = sys.argv[1:]
    interactive = bool(args) and args[0] == "--interactive"
    if interactive:
        args = args[1:]
    ship_dir = Path(args[0])
    shots = args[1] if len(args) > 1 else None
    with e2e.Session(artefacts=shots) as session:
        result = wait_for_user(session, ship_dir) if interactive else play(session, ship_dir)
        print()
        print("The simulator's plans now (* marks the active one):")
        print(result["plans"])
        print()
        print("Log entries written in this run (C:\\ProgramData\\ToolLog\\霁衡.txt):",
              result["log"] or "none")
        print("The copied folder", result["windows_folder"],
              "was removed by the tool." if result["removed"] else "is still there.")
    return 0 if result["removed"] and result["outcome"] in OUTCOMES else 1


if __name__ == "__main__":
    sys.exit(main())
