"""Helpers of the panel's end-to-end tests: the powercfg simulator's state, the panel's windows,
the mode list, the display DPI, a window of another program, and the feedback library's records
of whole runs of the tool."""

import contextlib
import os
import re
import shutil
import subprocess
import unittest

import halvane_e2e as e2e
import startup_support as su

CLOSE, MINIMISE, MODE_LIST, CONSENT = 1010, 1011, 1012, 1013
VERSION, SET, MORE_TOOLS, AGREEMENT_LINK, FEEDBACK_LINK = 1014, 1015, 1016, 1017, 1018
STATE_TEXT = 1000  # the please-wait dialog's animated text
WM_SYSCOMMAND, SC_CLOSE, CB_SETCURSEL, WS_MINIMIZE = 0x0112, 0xF060, 0x014E, 0x20000000
PLAN_GUIDS = ["a1841308-3541-4fab-bc81-f71556f20b4a", "381b4222-f694-41f0-9685-ff5bb260df2e",
              "8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c"]
KNOWLEDGE_BASE = "https://support.halvane.example"
MORE_TOOLS_ADDRESS = KNOWLEDGE_BASE + "/detail/dc_172545.html"
FEEDBACK_ADDRESS = f"{KNOWLEDGE_BASE}/feedback/?tool={su.TOOL_ID}&version={su.TOOL_VERSION}"


class SimState:
    """This test's simulator state file, handed on in POWERCFG_SIM_STATE while open."""

    def __init__(self, session):
        self.path = session.prefix.drive_c / "halvane-e2e" / f"powercfg-sim-{os.getpid()}.txt"
        self.path.parent.mkdir(exist_ok=True)
        self.path.unlink(missing_ok=True)
        os.environ["POWERCFG_SIM_STATE"] = session.prefix.windows_path(self.path)

    def close(self):
        os.environ.pop("POWERCFG_SIM_STATE", None)
        self.path.unlink(missing_ok=True)

    def lines(self):
        return self.path.read_text("utf-8").splitlines() if self.path.is_file() else []

    def set_knobs(self, **knobs):
        kept = [l for l in self.lines() if l.split("=", 1)[0] not in knobs]
        self.path.write_text("".join(l + "\n" for l in kept + [f"{k}={v}" for k, v in knobs.items()]),
                             "utf-8")

    def value(self, key):
        return next((l.split("=", 1)[1] for l in self.lines() if l.startswith(key + "=")), None)

    def active(self):
        return (self.value("active") or PLAN_GUIDS[1]).lower()

    def plans_named(self, name):
        return [m.group(1).lower() for l in self.lines() if (m := re.match(r"plan=(\S+) (.*)$", l))
                and m.group(2) == name]


def set_display_dpi(session, dpi):
    """LogPixels of the prefix (read at each process start); None removes it (96)."""
    key = r"HKCU\Control Panel\Desktop"
    if dpi is None:
        su.wine(session, "reg", "delete", key, "/v", "LogPixels", "/f")
    else:
        su.wine(session, "reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")


@contextlib.contextmanager
def display_dpi(session, dpi):
    """LogPixels set for the programs started inside the block, removed again after it."""
    set_display_dpi(session, dpi)
    try:
        yield
    finally:
        set_display_dpi(session, None)


def twice_as_large(test, run, name):
    """run(shot name) at 96 dpi, then at 192 dpi: the window it returns is twice as large."""
    width, height = run(name)
    with display_dpi(test.session, 192):
        size = run(name + "-192dpi")
    test.assertEqual(size, (2 * width, 2 * height))


def main_window(snapshot):
    return next((w for w in snapshot.windows if w.text == "霁衡"), None)


def please_wait(snapshot):
    """The visible inner of the please-wait dialog, or None."""
    return next((w for w in snapshot.windows if w.visible and w.find(id=STATE_TEXT)), None)


def agreement_popup(snapshot):
    """The visible agreement pop-up (the layered window the panel owns), or None."""
    panel = su.find_panel(snapshot)
    return next((w for w in snapshot.windows if w.visible and w.layered and w.owner == panel.hwnd),
                None)


def outer_of(snapshot, inner):
    return next((w for w in snapshot.windows if w.hwnd == inner.owner), inner)


def rect_in(panel, child):
    """A child's window rectangle in the panel's client coordinates."""
    o = panel.client
    return (child.rect.left - o.left, child.rect.top - o.top, child.rect.right - o.left,
            child.rect.bottom - o.top)


def choose_mode(session, app, mode):
    """Opens the mode list with the pointer and clicks the item."""
    session.click(su.find_panel(app.tree()).find(id=MODE_LIST))
    box = app.wait_for(lambda s: s.find(cls="ComboLBox", visible=True), what="the dropped list")
    session.input.click(*box.item_point(mode))
    session.park_pointer()
    app.wait_for(lambda s: su.find_panel(s).find(id=MODE_LIST).selection == mode
                 and not s.find(cls="ComboLBox", visible=True), what=f"mode {mode} selected")


def press_in_another_program(session, avoid):
    """Starts Wine's notepad, presses on its window outside `avoid`, and ends it."""
    notepad = subprocess.Popen(["wine", "notepad"], env=session.prefix.env(),
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        r = e2e.wait_until(lambda: next(iter(session.probe.tree(
            image="notepad.exe", visible_only=True).windows), None), 30, what="notepad").rect
        point = next(p for p in [(r.left + 40, r.top + 10), (r.right - 40, r.bottom - 10)]
                     if not avoid.contains(*p))
        session.input.click(*point)
        session.park_pointer()
    finally:
        notepad.kill()
        notepad.wait(30)


class ToolTestCase(unittest.TestCase):
    """One harness session per class; per test, a simulator state of its own and a local update
    server that answers "no newer version"."""

    @classmethod
    def setUpClass(cls):
        cls.session = e2e.Session()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def setUp(self):
        self.sim = SimState(self.session)
        self.addCleanup(self.sim.close)
        self.server = su.UpdateServer(su.TOOL_VERSION).__enter__()
        self.addCleanup(self.server.__exit__, None, None, None)


class FeedbackRecords:
    """C:\\ProgramData\\ArkwenFeedback\\CustomerFeedback.txt: the answers recorded since made."""

    def __init__(self, session):
        self.path = session.prefix.drive_c / "ProgramData" / "ArkwenFeedback" / "CustomerFeedback.txt"
        self.start = self.path.read_bytes() if self.path.is_file() else b""

    def new(self):
        data = self.path.read_bytes() if self.path.is_file() else b""
        return [line.split("\t") for line in data[len(self.start):].decode("utf-8").splitlines()]


class WholeToolTestCase(ToolTestCase):
    """Besides ToolTestCase: the web handler replaced by the recorder, the library's records read
    back, and the shipped folder staged with the library's configuration, which start() runs."""

    SOLVED = 1003  # the feedback question's first answer

    def setUp(self):
        super().setUp()
        self.recorder = su.UrlRecorder(self.session, os.environ["HALVANE_E2E_URLRECORDER"])
        self.recorder.__enter__()
        self.addCleanup(self.recorder.__exit__, None, None, None)
        self.records = FeedbackRecords(self.session)
        self.folder = su.stage_folder(os.environ["HALVANE_E2E_APP_DIR"],
                                      config_text=self.server.library_config())
        self.addCleanup(shutil.rmtree, self.folder, True)

    def start(self):
        """A new copy of the tool, once its panel shows the four modes."""
        app = self.session.start_app(self.folder, su.EXE, name=self._testMethodName)
        self.addCleanup(app.cleanup)
        app.wait_for(lambda s: (p := su.find_panel(s)) is not None and p.visible
                     and len(p.find(id=su.MODE_LIST).items or []) == 4, what="the panel")
        return app

    def question(self, app):
        """The feedback question's inner and outer windows, once it shows."""
        inner = app.wait_for(lambda s: next((w for w in s.windows if w.visible
                                             and w.find(id=self.SOLVED)), None),
                             what="the feedback question")
        return inner, outer_of(app.tree(), inner)
