"""End-to-end harness: drives Windows programs under Wine on an X display.

A Session owns the Wine prefix (reused when one is running, else created), the probe that reads
window trees inside that prefix, the pointer and keyboard (xdotool) and screenshots (imagemagick's
import, read back with PIL). Programs run from a copy of their folder under the prefix's drive_c.
Every wait is bounded and polls the real state; nothing sleeps for a fixed long time.

Environment (ctest sets these):
  HALVANE_WINEPREFIX     the prefix (default: <repo>/build/wineprefix, as the scripts)
  HALVANE_PROBE          path of probe.exe
  HALVANE_E2E_ARTEFACTS  folder for screenshots and program logs (default: <repo>/build/e2e-artefacts)
"""

import ctypes
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path, PureWindowsPath

ROOT = Path(__file__).resolve().parents[2]
SCRIPTS = ROOT / "scripts"


def _without_address_randomisation():
    """Every Wine process started from here gets a fixed address layout (see
    scripts/lib/wine-env.sh: without it about one start in a few thousand dies at once)."""
    libc = ctypes.CDLL(None, use_errno=True)
    current = libc.personality(0xFFFFFFFF)
    if current != -1:
        libc.personality(current | 0x0040000)  # ADDR_NO_RANDOMIZE, inherited by children


_without_address_randomisation()

WM_CLOSE = 0x0010
WM_COMMAND = 0x0111
BM_GETCHECK = 0x00F0
BM_CLICK = 0x00F5
CB_SETCURSEL = 0x014E
WS_EX_LAYERED = 0x00080000


# Default bound of every wait: Wine on a loaded machine can take many seconds to start a program
# or to paint, and a wait ends as soon as its condition holds, so a long bound costs nothing.
PATIENCE = 60.0


class WaitTimeout(AssertionError):
    """A bounded wait ran out; an AssertionError so unittest reports a failure."""


def wait_until(check, timeout=PATIENCE, interval=0.05, what="the condition"):
    """Calls check() until it returns something truthy, and returns that; raises WaitTimeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        left = deadline - time.monotonic()
        if left <= 0:
            raise WaitTimeout(f"gave up after {timeout:g} s waiting for {what}")
        time.sleep(min(interval, left))


# --- window tree ---------------------------------------------------------------------------------


@dataclass(frozen=True)
class Rect:
    left: int
    top: int
    right: int
    bottom: int

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    @property
    def center(self):
        return (self.left + self.width // 2, self.top + self.height // 2)

    def contains(self, x, y):
        return self.left <= x < self.right and self.top <= y < self.bottom

    def moved(self, dx, dy):
        return Rect(self.left + dx, self.top + dy, self.right + dx, self.bottom + dy)


def _handle(text):
    return int(text, 16) if text else None


class Window:
    """One window of a probe snapshot; children in z order, top first."""

    def __init__(self, data, parent=None):
        self.data = data
        self.parent = parent
        self.hwnd = _handle(data["hwnd"])
        self.cls = data["class"]
        self.text = data["text"]
        self.id = data["id"]
        self.style = data["style"]
        self.exstyle = data["exstyle"]
        self.visible = data["visible"]
        self.enabled = data["enabled"]
        self.layered = data["layered"]
        self.owner = _handle(data["owner"])
        self.rect = Rect(*data["rect"])
        cx, cy = data["clientOrigin"]
        _, _, cw, ch = data["clientRect"]
        self.client = Rect(cx, cy, cx + cw, cy + ch)  # client area in screen coordinates
        self.check = data.get("check")  # buttons: BM_GETCHECK
        self.items = data.get("items")  # combo and list boxes
        self.selection = data.get("selection")
        self.dropped = data.get("dropped")
        self.top_index = data.get("topIndex")
        self.item_height = data.get("itemHeight")
        top = self
        while top.parent is not None:
            top = top.parent
        self.pid = data.get("pid", top.data.get("pid"))
        self.image = data.get("image", top.data.get("image"))
        self.children = [Window(c, self) for c in data.get("children", [])]

    def __repr__(self):
        return f"<Window 0x{self.hwnd:x} {self.cls!r} {self.text!r} id={self.id}>"

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()

    def matches(self, cls=None, text=None, id=None, visible=None, enabled=None, where=None):
        return ((cls is None or self.cls.lower() == cls.lower())
                and (text is None or self.text == text)
                and (id is None or self.id == id)
                and (visible is None or self.visible == visible)
                and (enabled is None or self.enabled == enabled)
                and (where is None or where(self)))

    def find_all(self, **criteria):
        """This window and its descendants that match (see matches)."""
        return [w for w in self.walk() if w.matches(**criteria)]

    def find(self, **criteria):
        found = self.find_all(**criteria)
        return found[0] if found else None

    def point(self, x=None, y=None, client=True):
        """Screen point of (x, y) relative to the client area (or the window rect); default centre."""
        base = self.client if client else self.rect
        cx, cy = base.center
        return (cx if x is None else base.left + x, cy if y is None else base.top + y)

    def item_point(self, index):
        """Screen point in the middle of a list box item (e.g. of a dropped-down ComboLBox)."""
        if self.item_height is None or self.top_index is None:
            raise ValueError(f"{self!r} is not a list box")
        row = index - self.top_index
        if row < 0 or (row + 1) * self.item_height > self.client.height:
            raise ValueError(f"item {index} is scrolled out of {self!r}")
        return (self.client.center[0],
                self.client.top + row * self.item_height + self.item_height // 2)


class Snapshot:
    """The probe's view of the desktop at one moment."""

    def __init__(self, data):
        self.screen = tuple(data["screen"])
        self.cursor = tuple(data["cursor"])
        self.windows = [Window(w) for w in data["windows"]]

    def top_level(self, **criteria):
        return [w for w in self.windows if w.matches(**criteria)]

    def find_all(self, **criteria):
        return [m for w in self.windows for m in w.find_all(**criteria)]

    def find(self, **criteria):
        found = self.find_all(**criteria)
        return found[0] if found else None

    def only(self, **criteria):
        """The one matching window; fails the test when there are none or several."""
        found = self.find_all(**criteria)
        if len(found) != 1:
            raise AssertionError(f"expected one window with {criteria}, found {found}")
        return found[0]


def free_point(screen, rects):
    """A screen corner that no rect covers: where the pointer rests on the bare X root."""
    w, h = screen
    for x, y in ((w - 1, h - 1), (0, h - 1), (w - 1, 0), (0, 0)):
        if not any(r.contains(x, y) for r in rects):
            return (x, y)
    raise AssertionError("every screen corner is covered by a window")


# --- Wine prefix ---------------------------------------------------------------------------------


class Prefix:
    """The Wine test prefix: reused when it exists with a live display, else created here."""

    def __init__(self, path=None, tools_dir=None):
        self.path = Path(path or os.environ.get("HALVANE_WINEPREFIX") or ROOT / "build" / "wineprefix")
        self.tools_dir = tools_dir
        self.created = False
        self.display = None

    @property
    def drive_c(self):
        return self.path / "drive_c"

    def _display_file(self):
        return Path(str(self.path) + ".display")

    def _live_display(self):
        f = self._display_file()
        if not f.is_file():
            return None
        display = f.read_text().strip()
        number = display.lstrip(":").split(".")[0]
        if display.startswith(":") and not Path(f"/tmp/.X11-unix/X{number}").exists():
            return None
        return display

    def ensure(self):
        self.display = self._live_display() if self.drive_c.is_dir() else None
        if self.display is None:
            cmd = [str(SCRIPTS / "wine-prefix"), "create"]
            if self.tools_dir:
                cmd.append(str(self.tools_dir))
            subprocess.run(cmd, env=self._script_env(), check=True, timeout=300,
                           stdout=subprocess.DEVNULL)
            self.created = True
            self.display = self._live_display()
            if self.display is None:
                raise RuntimeError(f"wine-prefix create left no display for {self.path}")
        return self

    def _script_env(self):
        env = dict(os.environ)
        env["HALVANE_WINEPREFIX"] = str(self.path)
        return env

    def env(self):
        """Environment of wine commands: code page 936 (LC_ALL only here), the test display."""
        env = dict(os.environ)
        env.update(WINEPREFIX=str(self.path), WINEDEBUG=os.environ.get("WINEDEBUG", "-all"),
                   WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="zh_CN.UTF-8", DISPLAY=self.display)
        return env

    def x_env(self):
        """Environment of X tools (xdotool, import): the display, the caller's locale."""
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        return env

    def windows_path(self, path):
        """C:\\... path of a file under drive_c."""
        rel = Path(path).resolve().relative_to(self.drive_c.resolve())
        return str(PureWindowsPath("C:\\", *rel.parts))

    def close(self):
        """Stops wineserver (and its Xvfb) only when this object created the prefix."""
        if self.created:
            subprocess.run([str(SCRIPTS / "wine-prefix"), "stop"], env=self._script_env(),
                           timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.created = False


# --- probe ---------------------------------------------------------------------------------------


class Probe:
    """probe.exe run in the prefix; every call is a fresh short-lived process."""

    def __init__(self, prefix, exe=None):
        exe = exe or os.environ.get("HALVANE_PROBE")
        if not exe:
            raise RuntimeError("set HALVANE_PROBE to the built probe.exe")
        self.exe = str(exe)
        self.prefix = prefix

    def run(self, *args, timeout=30, check=True):
        # Output goes through files, not pipes: when the probe is the first Wine process it
        # starts the wineserver, which inherits the pipe and would hold it open after the probe ends.
        cmd = ["wine", self.exe, *[str(a) for a in args]]
        env = self.prefix.env()
        # Wine's own error lines, so a probe that Wine ends says why in the failure.
        if "WINEDEBUG" not in os.environ:
            env["WINEDEBUG"] = "-all,err+all"
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.Popen(cmd, env=env, stdin=subprocess.DEVNULL,
                                       stdout=out, stderr=err)
            try:
                code = process.wait(timeout)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
                raise WaitTimeout(f"probe {' '.join(cmd[2:])} still running after {timeout:g} s")
            out.seek(0)
            err.seek(0)
            done = subprocess.CompletedProcess(cmd, code, out.read(), err.read())
        if check and done.returncode != 0:
            raise AssertionError(f"probe {' '.join(map(str, args))} exited {done.returncode}: "
                                 f"{done.stderr.decode('utf-8', 'replace').strip()}")
        return done

    def json(self, *args, **kw):
        return json.loads(self.run(*args, **kw).stdout.decode("utf-8"))

    def tree(self, pid=None, image=None, visible_only=False):
        args = ["tree"]
        if pid is not None:
            args += ["--pid", pid]
        if image:
            args += ["--image", image]
        if visible_only:
            args.append("--visible")
        return Snapshot(self.json(*args))

    def pixel(self, x, y):
        """(r, g, b) of the screen as Windows' GetPixel sees it."""
        return tuple(self.json("pixel", x, y)["rgb"])

    def wait_window(self, title=None, cls=None, timeout=PATIENCE):
        """Handle of a visible top-level window with that title and/or class."""
        args = ["wait-window", "--timeout", int(timeout * 1000)]
        if title is not None:
            args += ["--title", title]
        if cls is not None:
            args += ["--class", cls]
        done = self.run(*args, timeout=timeout + 30, check=False)
        if done.returncode != 0:
            raise WaitTimeout(f"no visible window title={title!r} class={cls!r} in {timeout:g} s")
        return _handle(json.loads(done.stdout.decode("utf-8"))["hwnd"])

    def post(self, hwnd, message, wparam=0, lparam=0):
        self.run("post", hex(hwnd), message, wparam, lparam)

    def send(self, hwnd, message, wparam=0, lparam=0, timeout=PATIENCE):
        return self.json("send", hex(hwnd), message, wparam, lparam, "--timeout",
                         int(timeout * 1000), timeout=timeout + 30)["result"]


# --- pointer, keyboard, screen -------------------------------------------------------------------


class Input:
    """xdotool on the test display. No window manager runs there: focus comes from clicks."""

    # Two presses of a button at one spot within the double-click time (500 ms) are a double
    # click to Windows; each press made here is meant as one of its own.
    DOUBLE_CLICK_SECONDS = 0.6
    DOUBLE_CLICK_PIXELS = 4

    def __init__(self, prefix):
        self.prefix = prefix
        self.last_press = None  # (monotonic time, x, y, button)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *[str(a) for a in args]], env=self.prefix.x_env(), check=True,
                       timeout=30)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def _single(self, x, y, button, action):
        if self.last_press:
            at, lx, ly, lb = self.last_press
            near = abs(x - lx) <= self.DOUBLE_CLICK_PIXELS and abs(y - ly) <= self.DOUBLE_CLICK_PIXELS
            if near and lb == button:
                time.sleep(max(0.0, at + self.DOUBLE_CLICK_SECONDS - time.monotonic()))
        self.xdotool("mousemove", x, y, action, button)
        self.last_press = (time.monotonic(), x, y, button)

    def click(self, x, y, button=1):
        self._single(x, y, button, "click")

    def press(self, x, y, button=1):
        self._single(x, y, button, "mousedown")

    def release(self, button=1):
        self.xdotool("mouseup", button)

    def hold(self, x, y, seconds=0.3, button=1, while_held=None):
        """Mouse down, wait (or run while_held(), e.g. a screenshot of the pressed look), mouse up."""
        self.press(x, y, button)
        try:
            if while_held is None:
                time.sleep(seconds)
            else:
                while_held()
        finally:
            self.release(button)

    def drag(self, start, end, steps=10, step_pause=0.02, button=1):
        """Press at start, move in steps (Wine's move loops want motion events), release at end."""
        (x0, y0), (x1, y1) = start, end
        self.press(x0, y0, button)
        try:
            for i in range(1, steps + 1):
                time.sleep(step_pause)
                self.move(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(step_pause)
        finally:
            self.release(button)

    def key(self, *keys):
        """X key names, e.g. key("Return") or key("alt+F4"); goes to the focused window."""
        self.xdotool("key", *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 20, text)


class Screen:
    """Screenshots of the test display, kept as artefacts."""

    def __init__(self, prefix, artefacts):
        self.prefix = prefix
        self.artefacts = Path(artefacts)

    def shot(self, name, rect=None):
        """Saves <artefacts>/<name>.png of the whole screen or of rect (clipped to the screen)."""
        from PIL import Image  # only screenshots need PIL

        self.artefacts.mkdir(parents=True, exist_ok=True)
        path = self.artefacts / f"{name}.png"
        with tempfile.NamedTemporaryFile(suffix=".png", dir=self.artefacts) as full:
            subprocess.run(["import", "-window", "root", f"png:{full.name}"],
                           env=self.prefix.x_env(), check=True, timeout=60)
            with Image.open(full.name) as image:
                if rect is not None:
                    box = (max(rect.left, 0), max(rect.top, 0), min(rect.right, image.width),
                           min(rect.bottom, image.height))
                    image = image.crop(box)
                image.convert("RGB").save(path)
        return path

    @staticmethod
    def pixel(path, x, y):
        """(r, g, b) at (x, y) of a saved screenshot (coordinates of that picture)."""
        from PIL import Image

        with Image.open(path) as image:
            return image.convert("RGB").getpixel((x, y))


# --- programs under test -------------------------------------------------------------------------


class App:
    """A Windows program started from a copy of its folder inside the prefix's drive_c."""

    def __init__(self, session, folder, exe, args=(), name=None):
        self.session = session
        self.folder = Path(folder)
        self.exe = exe
        self.args = list(args)
        self.name = name or Path(exe).stem
        self.copy = None
        self.process = None
        self.log_path = None

    @property
    def image(self):
        """The Windows path of the running copy, as the probe reports it."""
        return self.session.prefix.windows_path(self.copy / self.exe)

    def start(self):
        prefix = self.session.prefix
        base = prefix.drive_c / "halvane-e2e"
        base.mkdir(exist_ok=True)
        self.copy = Path(tempfile.mkdtemp(prefix=Path(self.exe).stem + "-", dir=base))
        shutil.copytree(self.folder, self.copy, dirs_exist_ok=True)
        self.session.screen.artefacts.mkdir(parents=True, exist_ok=True)
        self.log_path = self.session.screen.artefacts / f"{self.name}.log"  # what it printed
        with open(self.log_path, "wb") as log:
            # Started as from Explorer: the program's folder is its current directory.
            self.process = subprocess.Popen(["wine", self.image, *self.args], cwd=self.copy,
                                            env=prefix.env(), stdin=subprocess.DEVNULL,
                                            stdout=log, stderr=subprocess.STDOUT,
                                            start_new_session=True)
        return self

    @property
    def running(self):
        return self.process is not None and self.process.poll() is None

    @property
    def exit_code(self):
        """None while running. Unix keeps only the low 8 bits of a Windows exit code."""
        return None if self.process is None else self.process.poll()

    def wait(self, timeout=PATIENCE):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise WaitTimeout(f"{self.exe} still running after {timeout:g} s") from None

    def tree(self, visible_only=False):
        """Snapshot holding only this copy's top-level windows."""
        snap = self.session.probe.tree(image=self.exe, visible_only=visible_only)
        mine = self.image.lower()
        snap.windows = [w for w in snap.windows if (w.image or "").lower() == mine]
        return snap

    def wait_for(self, check, timeout=PATIENCE, what="the program's windows"):
        """Polls snapshots until check(snapshot) is truthy; returns that value."""
        def attempt():
            if not self.running:
                raise AssertionError(f"{self.exe} ended with {self.exit_code} while waiting for {what}")
            return check(self.tree())
        return wait_until(attempt, timeout, what=what)

    def wait_window(self, timeout=PATIENCE, **criteria):
        """A visible top-level window of this program matching the criteria (see Window.matches)."""
        criteria.setdefault("visible", True)
        return self.wait_for(lambda s: next(iter(s.top_level(**criteria)), None), timeout,
                             what=f"a top-level window with {criteria}")

    def kill(self):
        """Kills the program and whatever it started (its own process group)."""
        if self.process is None:
            return
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait(30)

    def cleanup(self):
        self.kill()
        if self.copy is not None:
            shutil.rmtree(self.copy, ignore_errors=True)


class Session:
    """Everything one e2e test class needs; use as a context manager or call close()."""

    def __init__(self, artefacts=None, probe=None, prefix=None, tools_dir=None):
        self.prefix = Prefix(prefix, tools_dir).ensure()
        try:
            self.probe = Probe(self.prefix, probe)
        except Exception:
            self.prefix.close()
            raise
        self.input = Input(self.prefix)
        artefacts = artefacts or os.environ.get("HALVANE_E2E_ARTEFACTS") or ROOT / "build" / "e2e-artefacts"
        self.screen = Screen(self.prefix, artefacts)
        self.apps = []

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def start_app(self, folder, exe, args=(), name=None):
        """Starts exe from a copy of folder; name (default: exe stem and a count) names its log."""
        app = App(self, folder, exe, args, name or f"{Path(exe).stem}-{len(self.apps) + 1}")
        self.apps.append(app)
        return app.start()

    def click(self, window, x=None, y=None, client=True, park=True):
        """Clicks at (x, y) of window (default its centre), then parks the pointer."""
        self.input.click(*window.point(x, y, client))
        if park:
            self.park_pointer()

    def park_pointer(self):
        """Moves the pointer onto the bare X root, away from every Wine window (a pointer left
        over a window that unmaps can stall Wine's input handling under a low-level mouse hook)."""
        snap = self.probe.tree(visible_only=True)
        self.input.move(*free_point(snap.screen, [w.rect for w in snap.windows]))

    def close(self):
        for app in self.apps:
            app.cleanup()
        self.apps.clear()
        self.prefix.close()
