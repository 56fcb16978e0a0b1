"""Helpers of the Halvane.exe start-up tests: the Windows version Wine reports to the program,
the tool's log file, an update server on 127.0.0.1, the web-address handler recorder, and the
program's folder staged with the library (or a stand-in) and its configuration."""

import http.server
import itertools
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time
from pathlib import Path

import halvane_e2e as e2e

EXE = "Halvane.exe"
LIBRARY = "ArkwenFeedbackInformation.dll"
LIBRARY_CONFIG = "ArkwenFeedbackInformation.ini"
TOOL_ID = "10113"
TOOL_VERSION = "1.0.21.219"

# Control ids of the panel and of the prompt.
MODE_LIST = 1012
PROMPT_TEXT, PROMPT_OK = 1006, 1007
MODES = ["节能模式", "平衡模式", "高性能模式", "卓越性能模式"]

LOG_STAMP = rb"\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \d{3}ms\]   "


def wine(session, *args, timeout=60):
    """A Wine command in the test prefix (reg, ...); output goes to files, never pipes."""
    with tempfile.TemporaryFile() as out:
        done = subprocess.run(["wine", *args], env=session.prefix.env(), stdin=subprocess.DEVNULL,
                              stdout=out, stderr=subprocess.STDOUT, timeout=timeout)
        out.seek(0)
        text = out.read().decode("utf-8", "replace")
    if done.returncode != 0:
        raise AssertionError(f"wine {' '.join(args)} exited {done.returncode}: {text.strip()}")
    return text


class ReportedVersion:
    """Wine reports `version` (win7, win81, ...) to Halvane.exe only, while the object is open."""

    KEY = r"HKCU\Software\Wine\AppDefaults" + "\\" + EXE

    def __init__(self, session, version):
        self.session = session
        self.version = version

    def __enter__(self):
        wine(self.session, "reg", "add", self.KEY, "/v", "Version", "/t", "REG_SZ", "/d",
             self.version, "/f")
        return self

    def __exit__(self, *exc):
        wine(self.session, "reg", "delete", self.KEY, "/f")


class ToolLog:
    """C:\\ProgramData\\ToolLog\\霁衡.txt of the prefix; entries written since the object was made."""

    def __init__(self, session):
        self.path = session.prefix.drive_c / "ProgramData" / "ToolLog" / "霁衡.txt"
        self.start = self._read()

    def _read(self):
        return self.path.read_bytes() if self.path.is_file() else b""

    def new_bytes(self):
        now = self._read()
        # A rotation moves the file away: then everything in it is new.
        return now[len(self.start):] if now.startswith(self.start) else now

    def new_entries(self):
        """The texts (decoded from code page 936) of the whole entries added since."""
        data = self.new_bytes()
        entries = re.findall(LOG_STAMP + rb"(.*?)\r\r\n", data, re.S)
        rebuilt = b"".join(m.group(0) for m in re.finditer(LOG_STAMP + rb".*?\r\r\n", data, re.S))
        if rebuilt != data:
            raise AssertionError(f"log bytes that are not whole entries: {data!r}")
        return [e.decode("gbk") for e in entries]


class UpdateServer:
    """HTTP on 127.0.0.1 serving the update manifest; counts the requests for it."""

    def __init__(self, manifest_version):
        self.manifest_version = manifest_version
        self.manifest_requests = 0
        self.lock = threading.Lock()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                if self.path != "/manifest.ini":
                    self.send_error(404)
                    return
                with server.lock:
                    server.manifest_requests += 1
                body = server.manifest().encode("ascii")
                self.send_response(200)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.port = self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)

    @property
    def base(self):
        return f"http://127.0.0.1:{self.port}"

    @property
    def download_address(self):
        return f"{self.base}/download/halvane-{self.manifest_version}.zip"

    def manifest(self):
        return (f"; update manifest of the start-up tests\r\n[{TOOL_ID}]\r\n"
                f"version={self.manifest_version}\r\ndownload={self.download_address}\r\n")

    def requests(self):
        with self.lock:
            return self.manifest_requests

    def library_config(self):
        return (f"[Urls]\r\nUpdate={self.base}/manifest.ini\r\n"
                f"Download={self.base}/download/?tool={{tool}}\r\n")

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.httpd.shutdown()
        self.httpd.server_close()


class UrlRecorder:
    """urlrecorder.exe as the prefix's http/https handler (machine-wide: Wine's ShellExecute reads
    no per-user classes) while open; the addresses it was started with are read back. Each
    object has a log file of its own, so a recorder started for an earlier one never counts."""

    _serial = itertools.count(1)

    KEYS = [r"HKLM\Software\Classes\http\shell\open\command",
            r"HKLM\Software\Classes\https\shell\open\command"]

    def __init__(self, session, recorder_exe):
        self.session = session
        self.recorder_exe = Path(recorder_exe)
        self.log = (session.prefix.drive_c / "halvane-e2e" /
                    f"urls-{os.getpid()}-{next(self._serial)}.txt")
        self.saved = []

    def __enter__(self):
        system32 = self.session.prefix.drive_c / "windows" / "system32"
        target = system32 / "urlrecorder.exe"
        if not target.is_file():
            shutil.copy2(self.recorder_exe, target)
        self.log.parent.mkdir(exist_ok=True)
        self.log.unlink(missing_ok=True)
        backup_dir = self.session.prefix.drive_c / "halvane-e2e"
        for i, key in enumerate(self.KEYS):
            backup = backup_dir / f"url-handler-{os.getpid()}-{i}.reg"
            try:
                wine(self.session, "reg", "export", key, self.session.prefix.windows_path(backup),
                     "/y")
                self.saved.append((key, backup))
            except AssertionError:
                self.saved.append((key, None))  # no handler before: removed again afterwards
            wine(self.session, "reg", "add", key, "/ve", "/t", "REG_SZ", "/d",
                 r'"C:\windows\system32\urlrecorder.exe" "%1"', "/f")
        # The program hands its environment to the handler it starts.
        os.environ["HALVANE_URLRECORDER_LOG"] = self.session.prefix.windows_path(self.log)
        return self

    def __exit__(self, *exc):
        os.environ.pop("HALVANE_URLRECORDER_LOG", None)
        for key, backup in self.saved:
            if backup is None:
                wine(self.session, "reg", "delete", key, "/f")
                continue
            wine(self.session, "reg", "import", self.session.prefix.windows_path(backup))
            backup.unlink(missing_ok=True)

    def opened(self):
        """Whole lines only: the recorder appends each line with one write under its mutex, but
        a read may still meet a write half done."""
        if not self.log.is_file():
            return []
        text = self.log.read_bytes().decode("utf-8", "replace")
        whole = text[:text.rfind("\n") + 1]
        return [line for line in whole.splitlines() if line]

    def wait_opened(self, count, timeout=e2e.PATIENCE):
        return e2e.wait_until(lambda: self.opened() if len(self.opened()) >= count else None,
                              timeout, what=f"{count} address(es) handed to the web handler")


def stage_folder(ship_dir, library=None, config_text=None):
    """A temporary copy of the shipped folder: `library` replaces the feedback library (None
    keeps the real one, False leaves it out) and `config_text` is written beside it."""
    stage = Path(tempfile.mkdtemp(prefix="halvane-stage-"))
    shutil.copy2(Path(ship_dir) / EXE, stage / EXE)
    if library is None:
        shutil.copy2(Path(ship_dir) / LIBRARY, stage / LIBRARY)
    elif library:
        shutil.copy2(library, stage / LIBRARY)
    if config_text is not None:
        (stage / LIBRARY_CONFIG).write_text(config_text, encoding="ascii")
    return stage


def visible_windows(snapshot):
    return [w for w in snapshot.windows if w.visible]


def find_prompt(snapshot):
    """The visible top-level window holding the prompt's message control, or None."""
    for window in snapshot.windows:
        if window.visible and window.find(id=PROMPT_TEXT) is not None:
            return window
    return None


def find_panel(snapshot):
    """The top-level window holding the mode list (visible or not), or None."""
    for window in snapshot.windows:
        if window.find(id=MODE_LIST) is not None:
            return window
    return None


def quiet_for(seconds):
    """For checks that something does not happen: the time the program is given to do it."""
    time.sleep(seconds)
