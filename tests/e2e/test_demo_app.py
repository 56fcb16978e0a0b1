"""The harness driving the small demo program: tree, clicks, drop-down, drag, pixels, exit code."""

import os
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import halvane_e2e as e2e  # noqa: E402

DEMO_DIR = os.environ.get("HALVANE_E2E_DEMO_DIR")
EXE = "E2eDemo.exe"
CLASS = "HalvaneE2eDemo"
TITLE = "演示窗口"

APPLY, AGREE, MODE, STATUS = 1001, 1002, 1003, 1004
MODES = ["节能模式", "平衡模式", "高性能模式", "卓越性能模式"]
CAPTION_HEIGHT = 32
SWATCH = (300, 60, 40)  # left, top, size in client coordinates
SWATCH_RGB = (0xE0, 0x40, 0x20)
CAPTION_RGB = (0x2D, 0x6C, 0xDF)


@unittest.skipUnless(DEMO_DIR, "HALVANE_E2E_DEMO_DIR is not set (run through ctest)")
class DemoAppTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = e2e.Session()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def setUp(self):
        self.app = self.session.start_app(DEMO_DIR, EXE, name=self._testMethodName)
        self.addCleanup(self.app.cleanup)
        self.main = self.app.wait_window(cls=CLASS)

    def main_now(self):
        return self.app.tree().only(cls=CLASS)

    def wait_control(self, id, check, what):
        """The control with that id once check(control) holds."""
        def attempt(snap):
            control = snap.find(id=id)
            return control if control is not None and check(control) else None
        return self.app.wait_for(attempt, what=what)

    def test_tree_has_texts_items_and_states(self):
        main = self.main
        self.assertEqual(main.text, TITLE)
        self.assertEqual(main.image.lower(), self.app.image.lower())
        self.assertTrue(main.visible)
        self.assertFalse(main.layered)
        self.assertIsNone(main.owner)
        self.assertEqual((main.rect.width, main.rect.height), (360, 240))
        self.assertEqual(main.client, main.rect)  # a popup without frame

        apply = main.find(id=APPLY)
        self.assertEqual((apply.cls, apply.text, apply.enabled), ("Button", "设置", True))
        agree = main.find(id=AGREE)
        self.assertEqual((agree.text, agree.check), ("我已阅读并同意", 1))
        mode = main.find(id=MODE)
        self.assertEqual(mode.cls, "ComboBox")
        self.assertEqual(mode.items, MODES)
        self.assertEqual((mode.selection, mode.dropped), (1, False))
        self.assertEqual(main.find(id=STATUS).text, "未设置")
        # Child rectangles are in screen coordinates, placed where the program put them.
        self.assertEqual(apply.rect, e2e.Rect(20, 60, 120, 90).moved(main.rect.left, main.rect.top))

    def test_check_box_click_toggles_check_and_button(self):
        agree = self.main.find(id=AGREE)
        self.session.click(agree)
        self.wait_control(AGREE, lambda c: c.check == 0, "the box to be cleared")
        self.assertFalse(self.main_now().find(id=APPLY).enabled)

        self.session.click(agree)
        self.wait_control(AGREE, lambda c: c.check == 1, "the box to be ticked again")
        self.wait_control(APPLY, lambda c: c.enabled, "设置 to be enabled again")

    def test_button_click_changes_texts_and_exit_code(self):
        self.session.click(self.main.find(id=APPLY))
        self.wait_control(STATUS, lambda c: c.text == "已设置：平衡模式", "the status text")
        # A Chinese title passes through the probe's command line.
        hwnd = self.session.probe.wait_window(title="演示窗口（已设置）")
        self.assertEqual(hwnd, self.main.hwnd)

        self.session.probe.post(self.main.hwnd, e2e.WM_CLOSE)
        self.assertEqual(self.app.wait(), 1)  # the program returns how often 设置 was pressed

    def test_drop_down_pick_and_messages(self):
        self.session.click(self.main.find(id=MODE))
        drop = self.app.wait_for(
            lambda s: next(iter(s.top_level(cls="ComboLBox", visible=True)), None),
            what="the drop-down list")
        self.assertEqual(drop.items, MODES)
        self.assertEqual(drop.selection, 1)
        self.session.input.click(*drop.item_point(3))
        self.session.park_pointer()
        mode = self.wait_control(MODE, lambda c: c.selection == 3 and not c.dropped,
                                 "the pick of the fourth mode")
        self.assertEqual(mode.items[mode.selection], "卓越性能模式")

        # Message-driven: select by message, then press the button by message.
        self.assertEqual(self.session.probe.send(mode.hwnd, e2e.CB_SETCURSEL, 0, 0), 0)
        self.assertEqual(self.main_now().find(id=MODE).selection, 0)
        self.session.probe.send(self.main.find(id=APPLY).hwnd, e2e.BM_CLICK)
        self.wait_control(STATUS, lambda c: c.text == "已设置：节能模式", "the status text")

    def test_drag_by_caption_moves_window(self):
        start = self.main.rect
        # Below the caption strip nothing moves. Input is handled in order, so once the later
        # click on the box has landed, the drag before it has been handled too.
        self.session.input.drag(self.main.point(200, 200), self.main.point(260, 260))
        self.session.click(self.main.find(id=AGREE))
        self.wait_control(AGREE, lambda c: c.check == 0, "the click after the drag")
        self.assertEqual(self.main_now().rect, start)

        grab = self.main.point(150, CAPTION_HEIGHT // 2)
        self.session.input.drag(grab, (grab[0] + 300, grab[1] + 200))
        self.session.park_pointer()
        moved = self.app.wait_for(
            lambda s: s.only(cls=CLASS).rect == start.moved(300, 200) and s.only(cls=CLASS),
            what="the window at its new place")
        self.assertEqual(moved.find(id=APPLY).rect, self.main.find(id=APPLY).rect.moved(300, 200))

    def test_screenshot_pixels_and_held_button(self):
        main = self.main
        shot = self.session.screen.shot("demo-window", main.rect)
        left, top, size = SWATCH
        self.assertEqual(e2e.Screen.pixel(shot, left + size // 2, top + size // 2), SWATCH_RGB)
        self.assertEqual(e2e.Screen.pixel(shot, 5, 5), CAPTION_RGB)
        self.assertNotEqual(e2e.Screen.pixel(shot, left - 1, top), SWATCH_RGB)  # edge of the swatch
        # Windows' own view of the screen agrees with the X screenshot.
        self.assertEqual(self.session.probe.pixel(*main.point(left, top)), SWATCH_RGB)

        # A held button looks pressed, and the click lands on release.
        apply = main.find(id=APPLY)
        released = self.session.screen.shot("demo-button", apply.rect)
        pressed = []

        def shoot_pressed():
            def differs():
                p = self.session.screen.shot("demo-button-pressed", apply.rect)
                return p.read_bytes() != released.read_bytes() and p
            pressed.append(e2e.wait_until(differs, interval=0.1, what="the pressed look"))

        self.session.input.hold(*apply.point(), while_held=shoot_pressed)
        self.session.park_pointer()
        self.assertTrue(pressed)
        self.wait_control(STATUS, lambda c: c.text == "已设置：平衡模式", "the click on release")


if __name__ == "__main__":
    unittest.main()
