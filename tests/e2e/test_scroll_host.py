"""The skinned scroll bar with the real pointer: a long read-only rich edit in ScrollHost.exe is
scrolled by clicks on the bar's arrow and track; the first visible line is read from the control
and the thumb is found in a screenshot of the bar part-way down."""

import os
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import halvane_e2e as e2e  # noqa: E402

SCROLL_DIR = os.environ.get("HALVANE_E2E_SCROLL_DIR")
EM_GETFIRSTVISIBLELINE = 0xCE
THUMB_GREY = (128, 128, 128)


@unittest.skipUnless(SCROLL_DIR, "HALVANE_E2E_SCROLL_DIR is not set (run through ctest)")
class ScrollHostTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = e2e.Session()
        cls.app = cls.session.start_app(SCROLL_DIR, "ScrollHost.exe", name="scroll-host")
        cls.main = cls.app.wait_window(text="ScrollHost")

    @classmethod
    def tearDownClass(cls):
        cls.app.cleanup()
        cls.session.close()

    def first_line(self, edit):
        return self.session.probe.send(edit.hwnd, EM_GETFIRSTVISIBLELINE)

    def grey_run(self, shot, bar):
        """Rows of the bar's visible column painted in the thumb's grey, relative to the bar."""
        x = bar.rect.left - self.main.rect.left + 4
        return [y for y in range(bar.rect.height)
                if e2e.Screen.pixel(shot, x, bar.rect.top - self.main.rect.top + y) == THUMB_GREY]

    def test_arrow_and_track_clicks_scroll_the_text_and_move_the_thumb(self):
        frame = self.main.find(text="SkinScrollBarFrame")
        bar = frame.find(id=101)
        edit = frame.find(cls="RichEdit20W")
        self.assertTrue(bar.visible)
        self.assertEqual(bar.rect.width, 13)
        self.assertEqual(self.first_line(edit), 0)
        top = self.grey_run(self.session.screen.shot("scroll-host-top", self.main.rect), bar)
        self.assertGreaterEqual(len(top), 6)
        self.assertLess(top[0], 20)  # thumb right under the up arrow

        self.session.click(bar, 4, bar.rect.height - 3, client=False)
        e2e.wait_until(lambda: self.first_line(edit) == 1, what="one line down")

        for _ in range(3):  # three pages down
            self.session.click(bar, 4, bar.rect.height * 3 // 4, client=False)
        e2e.wait_until(lambda: self.first_line(edit) > 40, what="three pages down")
        lines = self.first_line(edit)

        shot = self.session.screen.shot("scroll-host-part-way", self.main.rect)
        grey = self.grey_run(shot, bar)
        self.assertGreaterEqual(len(grey), 6)
        self.assertGreater(grey[0], top[0] + 20)  # the thumb followed the text down
        self.assertLess(grey[-1], bar.rect.height - 13)
        self.assertEqual(self.first_line(edit), lines)


if __name__ == "__main__":
    unittest.main()
