"""Halvane.exe start-up checks that fail: an unsupported Windows version, a missing feedback
library, a library that is not ready. Each shows one prompt over nothing else, writes one forced
log entry in code page 936 and ends the process with exit code 0 once the prompt is confirmed; at
192 dpi the prompt is twice as large."""

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
LIBRARY_NOT_READY = os.environ.get("HALVANE_E2E_FAKE_INIT0")

UNSUPPORTED = "此工具不支持当前系统"
INIT_FAILED = "工具初始化失败"


@unittest.skipUnless(SHIP_DIR, "HALVANE_E2E_APP_DIR is not set (run through ctest)")
class StartupFailureTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = e2e.Session()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def stage(self, **kw):
        folder = su.stage_folder(SHIP_DIR, **kw)
        self.addCleanup(shutil.rmtree, folder, True)
        return folder

    def expect_fatal_prompt(self, folder, version, prompt_text, log_texts, shot=None):
        """Returns the size of the prompt's window."""
        shot = shot or self._testMethodName
        log = su.ToolLog(self.session)
        with su.ReportedVersion(self.session, version):
            app = self.session.start_app(folder, su.EXE, name=shot)
            self.addCleanup(app.cleanup)
            prompt = app.wait_for(su.find_prompt, what="the start-up prompt")
            snap = app.tree()

            self.assertEqual(prompt.find(id=su.PROMPT_TEXT).text, prompt_text)
            # The checks ran while the panel was being created: neither it nor the main
            # window has been shown.
            panel = su.find_panel(snap)
            self.assertIsNotNone(panel, "the panel's window exists while its checks run")
            self.assertFalse(panel.visible)
            self.assertEqual([w for w in snap.windows if w.visible and w.text == "霁衡"], [])
            self.assertEqual(panel.find(id=su.MODE_LIST).items, [],
                             "the mode list is filled only after the checks")
            # The entry is on disk before the prompt shows.
            self.assertEqual(log.new_entries(), log_texts)

            outer = next((w for w in snap.windows if w.hwnd == prompt.owner), prompt)
            self.session.screen.shot(shot, outer.rect)
            self.session.click(prompt.find(id=su.PROMPT_OK))
            self.assertEqual(app.wait(), 0)
        # Nothing more is written on the way out.
        self.assertEqual(log.new_entries(), log_texts)
        return outer.rect.width, outer.rect.height

    def expect_fatal_prompt_at_both_scales(self, folder, *expected):
        ps.twice_as_large(self, lambda shot: self.expect_fatal_prompt(folder, *expected, shot=shot),
                          self._testMethodName)

    def test_windows_8_1_is_not_supported(self):
        self.expect_fatal_prompt_at_both_scales(self.stage(), "win81", UNSUPPORTED, [UNSUPPORTED])

    def test_windows_8_is_refused_before_the_library_is_looked_for(self):
        # No library either: the system check comes first and is the only entry.
        self.expect_fatal_prompt(self.stage(library=False), "win8", UNSUPPORTED, [UNSUPPORTED])

    def test_missing_library(self):
        self.expect_fatal_prompt_at_both_scales(self.stage(library=False), "win7", INIT_FAILED,
                                                ["加载反馈DLL失败"])

    @unittest.skipUnless(LIBRARY_NOT_READY, "HALVANE_E2E_FAKE_INIT0 is not set")
    def test_library_that_is_not_ready(self):
        folder = self.stage(library=LIBRARY_NOT_READY)
        self.expect_fatal_prompt(folder, "win10", INIT_FAILED, ["初始化反馈DLL失败"])


if __name__ == "__main__":
    unittest.main()
