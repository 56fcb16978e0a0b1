"""Helpers of the main panel's end-to-end tests: the powercfg simulator's state file, the panel's
windows (main window, panel, please-wait dialog, prompts), the mode list and the display DPI."""

import os
import re
import signal
import subprocess

import halvane_e2e as e2e
import startup_support as su

# Panel controls.
CLOSE, MINIMISE, MODE_LIST, CONSENT = 1010, 1011, 1012, 1013
VERSION, SET, MORE_TOOLS, AGREEMENT_LINK, FEEDBACK_LINK = 1014, 1015, 1016, 1017, 1018
STATE_TEXT = 1000  # the please-wait dialog's animated text
MAIN_TITLE = "霁衡"

WM_SYSCOMMAND, SC_CLOSE = 0x0112, 0xF060
CB_SETCURSEL = 0x014E
WS_MINIMIZE = 0x20000000

PLAN_GUIDS = ["a1841308-3541-4fab-bc81-f71556f20b4a", "381b4222-f694-41f0-9685-ff5bb260df2e",
              "8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c"]
ULTIMATE_NAME = "卓越性能"
KNOWLEDGE_BASE = "https://support.halvane.example"
MORE_TOOLS_ADDRESS = KNOWLEDGE_BASE + "/detail/dc_172545.html"
FEEDBACK_ADDRESS = (f"{KNOWLEDGE_BASE}/feedback/?tool={su.TOOL_ID}&version={su.TOOL_VERSION}")


class SimState:
    """The simulator's state file of this test process, handed to Halvane.exe (and through cmd to
    powercfg.exe) in POWERCFG_SIM_STATE while the object is open."""

    def __init__(self, session):
        self.path = session.prefix.drive_c / "halvane-e2e" / f"powercfg-sim-{os.getpid()}.txt"
        self.windows_path = None
        self.session = session

    def __enter__(self):
        self.path.parent.mkdir(exist_ok=True)
        self.path.unlink(missing_ok=True)
        self.windows_path = self.session.prefix.windows_path(self.path)
        os.environ["POWERCFG_SIM_STATE"] = self.windows_path
        return self

    def __exit__(self, *exc):
        os.environ.pop("POWERCFG_SIM_STATE", None)
        self.path.unlink(missing_ok=True)

    def lines(self):
        return self.path.read_text("utf-8").splitlines() if self.path.is_file() else []

    def set_knobs(self, **knobs):
        """Sets (or, with None, removes) knobs; every other line is kept."""
        kept = [l for l in self.lines() if l.split("=", 1)[0] not in knobs]
        kept += [f"{k}={v}" for k, v in knobs.items() if v is not None]
        self.path.write_text("".join(l + "\n" for l in kept), "utf-8")

    def value(self, key):
        return next((l.split("=", 1)[1] for l in self.lines() if l.startswith(key + "=")), None)

    def active(self):
        return (self.value("active") or PLAN_GUIDS[1]).lower()

    def plans_named(self, name):
        """GUIDs of the stored plans with that name."""
        return [m.group(1).lower() for l in self.lines()
                if (m := re.match(r"plan=(\S+) (.*)$", l)) and m.group(2) == name]


class DisplayDpi:
    """HKCU\\Control Panel\\Desktop LogPixels of the prefix while open (read at process start)."""

    KEY = r"HKCU\Control Panel\Desktop"

    def __init__(self, session, dpi):
        self.session, self.dpi, self.saved = session, dpi, None

    def __enter__(self):
        try:
            out = su.wine(self.session, "reg", "query", self.KEY, "/v", "LogPixels")
            self.saved = int(re.search(r"0x([0-9a-fA-F]+)", out).group(1), 16)
        except AssertionError:
            self.saved = None
        self._set(self.dpi)
        return self

    def _set(self, dpi):
        su.wine(self.session, "reg", "add", self.KEY, "/v", "LogPixels", "/t", "REG_DWORD",
                "/d", str(dpi), "/f")

    def __exit__(self, *exc):
        if self.saved is None:
            su.wine(self.session, "reg", "delete", self.KEY, "/v", "LogPixels", "/f")
        else:
            self._set(self.saved)


def main_window(snapshot):
    return next((w for w in snapshot.windows if w.text == MAIN_TITLE), None)


def please_wait(snapshot):
    """The visible inner of the please-wait dialog, or None."""
    return next((w for w in snapshot.windows if w.visible and w.find(id=STATE_TEXT)), None)


def outer_of(snapshot, inner):
    return next((w for w in snapshot.windows if w.hwnd == inner.owner), inner)


def rect_in(panel, child):
    """A child's window rectangle in the panel's client coordinates."""
    r = child.rect
    return (r.left - panel.client.left, r.top - panel.client.top,
            r.right - panel.client.left, r.bottom - panel.client.top)


def choose_mode(session, app, mode):
    """Opens the mode list with the pointer and clicks the item."""
    panel = su.find_panel(app.tree())
    session.click(panel.find(id=MODE_LIST))
    box = app.wait_for(lambda s: s.find(cls="ComboLBox", visible=True), what="the dropped list")
    session.input.click(*box.item_point(mode))
    session.park_pointer()
    app.wait_for(lambda s: su.find_panel(s).find(id=MODE_LIST).selection == mode
                 and not s.find(cls="ComboLBox", visible=True), what=f"mode {mode} selected")


def agreement_popup(snapshot):
    """The visible agreement pop-up (the layered window the panel owns), or None."""
    panel = su.find_panel(snapshot)
    return next((w for w in snapshot.windows
                 if w.visible and w.layered and panel is not None and w.owner == panel.hwnd), None)


class OtherProgram:
    """Wine's notepad, a window of another process to press on."""

    def __init__(self, session):
        self.session = session
        self.process = None

    def __enter__(self):
        self.process = subprocess.Popen(["wine", "notepad"], env=self.session.prefix.env(),
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, start_new_session=True)
        return self

    def window(self):
        return e2e.wait_until(
            lambda: next(iter(self.session.probe.tree(image="notepad.exe",
                                                      visible_only=True).windows), None),
            30, what="notepad's window")

    def click(self, avoid):
        """A press on notepad's window outside `avoid`, then the pointer is parked."""
        r = self.window().rect
        point = next(((x, y) for x, y in [(r.left + 40, r.top + 10), (r.right - 40, r.bottom - 10),
                                          (r.left + 40, r.bottom - 10), (r.right - 40, r.top + 10)]
                      if not avoid.contains(x, y)), None)
        if point is None:
            raise AssertionError(f"notepad {r} lies under the tool {avoid}")
        self.session.input.click(*point)
        self.session.park_pointer()

    def __exit__(self, *exc):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait(30)
