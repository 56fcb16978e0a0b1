"""Every way of closing each of Halvane.exe's windows, tried in one journey: Alt+F4 on the focused
window, the system menu's Close (SC_CLOSE) and WM_CLOSE from another program, on the outer and
the inner window of each pair, and Enter and Esc. After each, the windows on screen, the feedback
library's records, the addresses handed to the web handler and the process are checked.

What each close must do: on the panel and the main window, what the close button does (the
feedback question, then the end and the removal of the folder); on the question, what its close
button does (answer 3, the feedback page, the end); on the prompt, its close; on the agreement
pop-up, hiding it; on the About box, closing it; during a mode change, nothing. Enter and Esc
close nothing. A pair's two windows are always on screen together, and the main window's frame
never without the panel."""

import os
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import halvane_e2e as e2e  # noqa: E402
import journey  # noqa: E402
import panel_support as ps  # noqa: E402
import startup_support as su  # noqa: E402

RUNS_THROUGH_CTEST = os.environ.get("HALVANE_E2E_APP_DIR") and os.environ.get(
    "HALVANE_E2E_URLRECORDER")

SOLVED, ABOUT_COMMAND, RICH_EDIT = 1003, 0x0010, "RichEdit20W"
ABOUT_TITLE = "关于 Halvane"
ALT_F4, SYSTEM_CLOSE, WM_CLOSE = "Alt+F4", "SC_CLOSE", "WM_CLOSE"
# Where a click gives each window the focus without pressing anything of it (client
# coordinates): below the caption strips, beside the buttons; in the agreement's text.
FOCUS_SPOTS = {"panel": (200, 150), "question": (200, 100), "please-wait": (60, 95),
               "agreement": (100, 100), "prompt": (20, 60), "about": (10, 10)}
# The panel's mode change in slow pieces: the please-wait dialog stays for about 20 s, time for
# every close, and each command stays well inside the runner's 30 s limit.
SLOW = {"chunk": 16, "chunk_pause_ms": 1500}
QUIET_SECONDS = 1.0  # for checks that something does not happen

# The inner of each pop-up pair, told by a control of its own; its owner is the outer.
PAIRS = {"question": lambda w: w.find(id=SOLVED),
         "prompt": lambda w: w.find(id=su.PROMPT_TEXT),
         "please-wait": lambda w: w.find(id=ps.STATE_TEXT),
         "agreement": lambda w: w.find(cls=RICH_EDIT)}


def windows(snap):
    """name -> window of the tool's windows in the snapshot; a pair as 'name' (its inner) and
    'name outer'."""
    found = {}
    by_handle = {w.hwnd: w for w in snap.windows}
    panel = su.find_panel(snap)
    if panel is not None:
        found["panel"] = panel
        if panel.owner in by_handle:
            found["main"] = by_handle[panel.owner]
    for w in snap.windows:
        if w.text == ABOUT_TITLE:
            found["about"] = w
        for name, holds in PAIRS.items():
            if w.visible and holds(w) or name not in found and holds(w):
                found[name] = w
                if w.owner in by_handle:
                    found[name + " outer"] = by_handle[w.owner]
    return found


def shown(snap):
    """The names of the tool's windows on screen; a pair whose two windows both show is named
    once, a lone outer or inner as 'name outer' or 'name inner', any other window (an outer whose
    inner is gone) by its class and text."""
    known = windows(snap)
    on = {name for name, w in known.items() if w.visible}
    handles = {w.hwnd for w in known.values()}
    on |= {f"other {w.cls} {w.text!r}" for w in snap.windows if w.visible and w.hwnd not in handles}
    for name in PAIRS:
        if name in on and name + " outer" in on:
            on.discard(name + " outer")
        elif name in on:
            on.remove(name)
            on.add(name + " inner")
    return on


@unittest.skipUnless(RUNS_THROUGH_CTEST, "run through ctest")
class ClosePathsTest(ps.WholeToolTestCase):
    def window(self, name):
        return windows(self.app.tree())[name]

    def close(self, name, how):
        """Closes the named window in one of the three ways."""
        target = self.window(name)
        if how == ALT_F4:
            self.session.click(target, *FOCUS_SPOTS[name.split()[0]])  # focus comes from a click
            self.session.input.key("alt+F4")
        elif how == SYSTEM_CLOSE:
            self.session.probe.post(target.hwnd, ps.WM_SYSCOMMAND, ps.SC_CLOSE, 0)
        else:
            self.session.probe.post(target.hwnd, e2e.WM_CLOSE, 0, 0)

    def press_enter_and_escape(self, name):
        self.session.click(self.window(name), *FOCUS_SPOTS[name])
        self.session.input.key("Return")
        self.session.input.key("Escape")

    def expect_shown(self, expected, what):
        """Waits until exactly the expected windows show (and the tool still runs)."""
        expected = set(expected)
        try:
            self.app.wait_for(lambda s: shown(s) == expected, what=f"{sorted(expected)} on screen")
        except e2e.WaitTimeout as timeout:
            raise AssertionError(f"after {what}: {timeout}; shown: {sorted(shown(self.app.tree()))}")
        self.expect_no_report(what)

    def expect_no_report(self, what):
        self.assertEqual(self.records.new(), [], what)
        self.assertEqual(len(self.recorder.opened()), self.pages, what)

    def expect_nothing_happens(self, expected, what):
        su.quiet_for(QUIET_SECONDS)
        self.assertTrue(self.app.running, f"the tool ended after {what}")
        self.assertEqual(shown(self.app.tree()), set(expected), what)
        self.expect_no_report(what)

    def test_every_close_path_of_every_window(self):
        self.pages = 0  # feedback pages opened so far
        self.app = self.start()
        base = {"main", "panel"}
        self.press_enter_and_escape("panel")
        self.expect_nothing_happens(base, "Enter and Esc on the panel")

        # The agreement pop-up: each close hides both its windows; Enter and Esc leave it.
        for name, how in [("agreement", ALT_F4), ("agreement outer", SYSTEM_CLOSE),
                          ("agreement", WM_CLOSE), ("agreement outer", WM_CLOSE),
                          ("agreement", SYSTEM_CLOSE)]:
            self.session.click(self.window("panel").find(id=ps.AGREEMENT_LINK))
            self.expect_shown(base | {"agreement"}, "a press on the agreement link")
            if how == ALT_F4:
                self.press_enter_and_escape("agreement")
                self.expect_nothing_happens(base | {"agreement"}, "Enter and Esc on the pop-up")
            self.close(name, how)
            self.expect_shown(base, f"{how} on the {name}")

        # The About box closes; the tool goes on, the panel usable.
        for how in (ALT_F4, SYSTEM_CLOSE, WM_CLOSE):
            self.session.probe.post(self.window("main").hwnd, ps.WM_SYSCOMMAND, ABOUT_COMMAND, 0)
            self.expect_shown(base | {"about"}, "the About entry")
            self.close("about", how)
            self.expect_shown(base, f"{how} on the About box")
            self.assertTrue(self.window("panel").enabled and self.window("main").enabled)

        # The prompt closes on each, as by its close button, and gives the tool back.
        self.session.probe.send(self.window("panel").find(id=ps.MODE_LIST).hwnd,
                                ps.CB_SETCURSEL, 0xFFFFFFFFFFFFFFFF, 0)
        for name, how in [("prompt", ALT_F4), ("prompt outer", SYSTEM_CLOSE),
                          ("prompt", WM_CLOSE), ("prompt outer", WM_CLOSE),
                          ("prompt", SYSTEM_CLOSE)]:
            self.session.click(self.window("panel").find(id=ps.SET))
            self.expect_shown(base | {"prompt"}, "设置 without a mode")
            if how == ALT_F4:
                self.press_enter_and_escape("prompt")
                self.expect_nothing_happens(base | {"prompt"}, "Enter and Esc on the prompt")
            self.close(name, how)
            self.expect_shown(base, f"{how} on the {name}")
            snap = windows(self.app.tree())
            self.assertTrue(snap["panel"].enabled and snap["main"].enabled, f"after {how}")
        self.assertIsNone(self.sim.value("calls"), "powercfg never ran")

        self.during_a_mode_change(base)

        # The end, the first time by Alt+F4 on the panel and on the question.
        self.end_the_tool(("panel", ALT_F4), ("question", ALT_F4), busy_closes=True)
        # Each other way, each in a run of its own.
        for first, then in [(("panel", SYSTEM_CLOSE), ("question outer", SYSTEM_CLOSE)),
                            (("panel", WM_CLOSE), ("question", WM_CLOSE)),
                            (("main", SYSTEM_CLOSE), ("question outer", WM_CLOSE)),
                            (("main", WM_CLOSE), ("question", SYSTEM_CLOSE))]:
            self.app = self.start()
            self.end_the_tool(first, then)

    def during_a_mode_change(self, base):
        """No close ends anything while the please-wait dialog and then the outcome prompt hold
        the tool; the outcome prompt itself closes."""
        self.sim.set_knobs(**SLOW)
        ps.choose_mode(self.session, self.app, 2)
        self.session.click(self.window("panel").find(id=ps.SET))
        self.expect_shown(base | {"please-wait"}, "设置")
        self.close("please-wait", ALT_F4)
        self.press_enter_and_escape("please-wait")
        # The window that holds the tool, and the windows whose closes it ignores meanwhile.
        for holder, closed, what in [
                ("please-wait", ("please-wait", "please-wait outer", "panel", "main"),
                 "closes during the change"),
                ("prompt", ("panel", "main"), "closes of the held tool")]:
            if holder == "prompt":
                self.app.wait_for(lambda s: shown(s) == base | {"prompt"}, timeout=150,
                                  what="the outcome prompt")
                self.assertEqual(self.window("prompt").find(id=su.PROMPT_TEXT).text,
                                 "电源模式修改成功")
            for name in closed:
                for how in (SYSTEM_CLOSE, WM_CLOSE):
                    self.close(name, how)
            self.expect_nothing_happens(base | {holder}, what)
        self.close("prompt", ALT_F4)
        self.expect_shown(base, "Alt+F4 on the outcome prompt")
        snap = windows(self.app.tree())
        self.assertTrue(snap["panel"].enabled and snap["main"].enabled)
        self.assertEqual(self.sim.active(), ps.PLAN_GUIDS[2])

    def end_the_tool(self, first, then, busy_closes=False):
        """`first` closes the tool: the question shows over the panel; `then` closes the question:
        answer 3 once, the feedback page, the end, the folder removed."""
        app = self.app
        self.close(*first)
        self.expect_shown({"main", "panel", "question"}, f"{first[1]} on the {first[0]}")
        if busy_closes:
            # The tool is closing: a second close asks no second question.
            self.close("panel", WM_CLOSE)
            self.close("main", SYSTEM_CLOSE)
            self.press_enter_and_escape("question")
            self.expect_nothing_happens({"main", "panel", "question"}, "closes while it asks")
        before = int(time.time())
        self.close(*then)
        found = e2e.wait_until(lambda: self.records.new() or None, what="the answer's record")
        self.assertEqual([r[:3] for r in found], [[su.TOOL_ID, su.TOOL_VERSION, "3"]],
                         f"{then[1]} on the {then[0]}")
        self.assertLessEqual(before, int(found[0][3]))
        pages = self.pages + 1
        self.assertEqual(self.recorder.wait_opened(pages)[self.pages:], [ps.FEEDBACK_ADDRESS])
        self.assertEqual(app.wait(30), 0)
        e2e.wait_until(lambda: not app.copy.exists(), journey.REMOVAL_SECONDS, interval=0.2,
                       what="the tool's folder to be removed")
        self.assertEqual(len(self.recorder.opened()), pages)
        # The next run starts from here.
        self.records = ps.FeedbackRecords(self.session)
        self.pages = pages


if __name__ == "__main__":
    unittest.main()
