"""Halvane.exe on supported systems: the version question to the real feedback library, served by
an update manifest on 127.0.0.1. A newer version is announced, its download page is opened and
the process ends with exit code 0; a current version leaves the panel up with its mode list. The
manifest is asked for exactly once per start. At 192 dpi the announcement is twice as large."""

import os
import shutil
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import halvane_e2e as e2e  # noqa: E402
import panel_support as ps  # noqa: E402
import startup_support as su  # noqa: E402

SHIP_DIR = os.environ.get("HALVANE_E2E_APP_DIR")
URL_RECORDER = os.environ.get("HALVANE_E2E_URLRECORDER")

NEWER = "检测到当前工具有新的版本更新，请下载最新版本使用。"
# Ten periods of the version timer: long enough for a second question to show up.
QUIET_SECONDS = 1.0


@unittest.skipUnless(SHIP_DIR, "HALVANE_E2E_APP_DIR is not set (run through ctest)")
class VersionCheckTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = e2e.Session()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def start(self, server, name=None):
        folder = su.stage_folder(SHIP_DIR, config_text=server.library_config())
        self.addCleanup(shutil.rmtree, folder, True)
        app = self.session.start_app(folder, su.EXE, name=name or self._testMethodName)
        self.addCleanup(app.cleanup)
        return app

    def expect_panel_runs_on(self, version):
        log = su.ToolLog(self.session)
        with su.UpdateServer(su.TOOL_VERSION) as server, su.ReportedVersion(self.session, version):
            app = self.start(server)
            panel = app.wait_for(lambda s: (p := su.find_panel(s)) is not None and p.visible and p,
                                 what="the panel to show")
            e2e.wait_until(lambda: server.requests() >= 1, what="the version question")
            su.quiet_for(QUIET_SECONDS)
            snap = app.tree()
            self.assertEqual(server.requests(), 1)
            self.assertIsNone(su.find_prompt(snap))
            self.assertTrue(app.running)

        mode_list = su.find_panel(snap).find(id=su.MODE_LIST)
        self.assertEqual(mode_list.items, su.MODES)
        self.assertEqual(mode_list.selection, 1)
        # 400 x 600 at scale 1, inset 5 and 4 in the 410 x 611 frame centred on the screen.
        w, h = snap.screen
        left, top = w // 2 - 205 + 5, h // 2 - 305 + 4
        self.assertEqual(panel.rect, e2e.Rect(left, top, left + 400, top + 600))
        self.assertEqual(log.new_entries(), [])
        self.session.screen.shot(self._testMethodName, panel.rect)

    def test_windows_7_with_a_current_version_runs(self):
        self.expect_panel_runs_on("win7")

    def test_windows_10_with_a_current_version_runs(self):
        self.expect_panel_runs_on("win10")

    def expect_newer_version(self, shot):
        """Returns the size of the announcement's window."""
        log = su.ToolLog(self.session)
        with su.UpdateServer("1.0.22.0") as server, \
                su.UrlRecorder(self.session, URL_RECORDER) as recorder, \
                su.ReportedVersion(self.session, "win10"):
            app = self.start(server, shot)
            prompt = app.wait_for(su.find_prompt, what="the new-version prompt")
            snap = app.tree()
            self.assertEqual(prompt.find(id=su.PROMPT_TEXT).text, NEWER)
            # The question comes after start-up: the panel is up behind the prompt.
            self.assertTrue(su.find_panel(snap).visible)
            self.assertEqual(recorder.opened(), [], "nothing is opened before the prompt is confirmed")
            outer = next((w for w in snap.windows if w.hwnd == prompt.owner), prompt)
            self.session.screen.shot(shot, outer.rect)

            self.session.click(prompt.find(id=su.PROMPT_OK))
            self.assertEqual(app.wait(), 0)
            self.assertEqual(recorder.wait_opened(1), [server.download_address])
            self.assertEqual(server.requests(), 1)
        self.assertEqual(log.new_entries(), [])
        return outer.rect.width, outer.rect.height

    @unittest.skipUnless(URL_RECORDER, "HALVANE_E2E_URLRECORDER is not set")
    def test_newer_version_opens_the_download_page_and_ends(self):
        ps.twice_as_large(self, self.expect_newer_version, self._testMethodName)


if __name__ == "__main__":
    unittest.main()
