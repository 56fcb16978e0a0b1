"""The prompt, progress and agreement dialogs driven with the real pointer and keyboard under Wine.

The program (tests/e2e/dialogs_app) shows one dialog over a grey owner window centred at
(550, 450) and exits with what DoModal returned; its owner window moves the dialog's outer on
MOVE_OUTER (wParam dx, lParam dy), which is how a test moves the outer "by other means".
"""

import os
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import halvane_e2e as e2e  # noqa: E402

DIALOGS_DIR = os.environ.get("HALVANE_E2E_DIALOGS_DIR")
EXE = "DialogsDemo.exe"
OWNER_TITLE = "对话框演示"
OWNER_CENTRE = (550, 450)
OWNER_GREY = (200, 200, 200)
IDOK, IDCANCEL = 1, 2
WM_EXECUTE_FINISHED = 1525
WM_CLOSE, EM_LINESCROLL, EM_GETFIRSTVISIBLELINE = 0x10, 0xB6, 0xCE
VERTICAL_BAR = 101
MOVE_OUTER = 0x8001
CLOSE, TEXT, OK, CANCEL = 1005, 1006, 1007, 1008
MORE, FEEDBACK_CLOSE, SOLVED, UNSOLVED = 1001, 1002, 1003, 1004
PROMPT_BLUE = (47, 116, 224)  # the caption band of the prompt's background


def is_prompt_blue(rgb):
    return rgb == PROMPT_BLUE


def is_progress_blue(rgb):  # the progress background is a gradient
    return rgb[2] > 200 and rgb[0] < 100


def grown(rect, left, top, right, bottom):
    return e2e.Rect(rect.left - left, rect.top - top, rect.right + right, rect.bottom + bottom)


class Pair:
    """The outer (layered) and inner windows of the dialog in one snapshot."""

    def __init__(self, snap):
        self.outer = snap.only(cls="#32770", where=lambda w: w.layered and w.parent is None)
        self.inner = snap.only(cls="#32770", where=lambda w: w.parent is None and not w.layered
                               and w.owner == self.outer.hwnd)
        self.owner = snap.only(text=OWNER_TITLE)

    def rects(self):
        return (self.outer.rect, self.inner.rect)


@unittest.skipUnless(DIALOGS_DIR, "HALVANE_E2E_DIALOGS_DIR is not set (run through ctest)")
class DialogsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = e2e.Session()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def start(self, *args):
        self.app = self.session.start_app(DIALOGS_DIR, EXE, [str(a) for a in args],
                                          name=f"{self._testMethodName}-{'-'.join(map(str, args))}")
        self.addCleanup(self.app.cleanup)

        def shown(snap):
            try:
                pair = Pair(snap)
            except AssertionError:
                return None
            return pair if pair.outer.visible and pair.inner.visible else None

        return self.app.wait_for(shown, what="the dialog's two windows")

    def pair_now(self):
        return Pair(self.app.tree())

    def shot_when_painted(self, name, pair, probe_point, check):
        """Screenshot of the outer (and a grey margin) once the colour at probe_point (inner
        client coordinates) passes check."""
        rect = grown(pair.outer.rect, 10, 10, 10, 10)
        x, y = probe_point
        # The shot is clipped to the screen (a tall scale-2 dialog touches its top).
        px = pair.inner.client.left - max(rect.left, 0) + x
        py = pair.inner.client.top - max(rect.top, 0) + y

        def painted():
            shot = self.session.screen.shot(name, rect)
            return shot if check(e2e.Screen.pixel(shot, px, py)) else None

        return e2e.wait_until(painted, interval=0.2, what=f"{name} to be painted")

    def assert_exit(self, code):
        self.assertEqual(self.app.wait(), code)

    def assert_unmoved_for(self, seconds, rects):
        """A bounded observation: nothing moves within `seconds`."""
        with self.assertRaises(e2e.WaitTimeout):
            e2e.wait_until(lambda: self.pair_now().rects() != rects, seconds, 0.1,
                           "a move that should not happen")

    # --- prompt --------------------------------------------------------------------------------

    def test_prompt_type3_places_look_and_ok(self):
        pair = self.start("prompt", 3, "1.0", 2)
        outer, inner = pair.outer, pair.inner
        self.assertEqual((outer.rect.width, outer.rect.height), (336, 156))
        self.assertEqual(outer.rect.center, OWNER_CENTRE)  # centred over its owner
        self.assertEqual(inner.rect, e2e.Rect(outer.rect.left + 5, outer.rect.top + 3,
                                              outer.rect.left + 5 + 326, outer.rect.top + 3 + 146))
        self.assertEqual(inner.client, inner.rect)
        origin = (inner.client.left, inner.client.top)
        self.assertEqual(inner.find(id=OK).rect, e2e.Rect(135, 107, 190, 131).moved(*origin))
        self.assertEqual(inner.find(id=CLOSE).rect, e2e.Rect(300, 8, 312, 20).moved(*origin))
        self.assertEqual(inner.find(id=TEXT).rect, e2e.Rect(10, 30, 316, 106).moved(*origin))
        self.assertFalse(inner.find(id=CANCEL).visible)

        shot = self.shot_when_painted("prompt-type3-scale1", pair, (20, 5), is_prompt_blue)
        # The skin's alpha lets the owner show through beside the frame's rounded corner.
        self.assertEqual(e2e.Screen.pixel(shot, 9, 9), OWNER_GREY)

        self.session.click(inner.find(id=OK))
        self.assert_exit(IDOK)

    def test_prompt_type2_cancel(self):
        pair = self.start("prompt", 2, "1.0", 1)
        origin = (pair.inner.client.left, pair.inner.client.top)
        self.assertEqual(pair.inner.find(id=OK).rect, e2e.Rect(96, 107, 151, 131).moved(*origin))
        self.assertEqual(pair.inner.find(id=CANCEL).rect,
                         e2e.Rect(175, 107, 230, 131).moved(*origin))
        self.shot_when_painted("prompt-type2-scale1", pair, (20, 5), is_prompt_blue)
        self.session.click(pair.inner.find(id=CANCEL))
        self.assert_exit(IDCANCEL)

    def test_prompt_empty_message_is_blank_and_buttons_work(self):
        pair = self.start("prompt", 2, "1.0", 0)
        shot = self.shot_when_painted("prompt-empty", pair, (20, 5), is_prompt_blue)
        text = pair.inner.find(id=TEXT).rect
        left = text.left - pair.outer.rect.left + 10
        top = text.top - pair.outer.rect.top + 10
        from PIL import Image
        with Image.open(shot) as image:
            box = image.convert("RGB").crop((left, top, left + text.width, top + text.height))
            self.assertEqual(box.getcolors(), [(text.width * text.height, (255, 255, 255))])
        self.session.click(pair.inner.find(id=OK))
        self.assert_exit(IDOK)

    def test_caption_drag_moves_the_pair_then_the_outer_follows(self):
        pair = self.start("prompt", 3, "1.0", 1)
        # Before any drag, a move of the outer brings the inner along.
        self.session.probe.post(pair.owner.hwnd, MOVE_OUTER, (-40) & 0xFFFFFFFFFFFFFFFF, 0)
        pair = self.app.wait_for(
            lambda s: (p := Pair(s)).outer.rect.center == (OWNER_CENTRE[0] - 40, OWNER_CENTRE[1])
            and p, what="the outer moved by the program")
        self.assertEqual(pair.inner.rect, grown(pair.outer.rect, -5, -3, -5, -7))

        start = pair.inner.point(100, 15)
        self.session.input.drag(start, (start[0] + 150, start[1] + 90))
        self.session.park_pointer()
        moved = self.app.wait_for(
            lambda s: (p := Pair(s)).inner.rect == pair.inner.rect.moved(150, 90) and p,
            what="the inner dragged by (150, 90)")
        self.assertEqual(moved.outer.rect, grown(moved.inner.rect, 5, 3, 5, 7))

        # From now on the outer moves alone.
        self.session.probe.post(moved.owner.hwnd, MOVE_OUTER, 30, 20)
        after = self.app.wait_for(
            lambda s: (p := Pair(s)).outer.rect == moved.outer.rect.moved(30, 20) and p,
            what="the outer moved by the program")
        self.assertEqual(after.inner.rect, moved.inner.rect)

        self.session.click(after.inner.find(id=OK))
        self.assert_exit(IDOK)

    def test_press_in_the_right_margin_does_not_drag_and_the_button_gets_it(self):
        pair = self.start("prompt", 3, "1.0", 1)
        # Right of the close button, still in the caption's height: no drag.
        start = pair.inner.point(321, 22)
        self.session.input.drag(start, (start[0] - 80, start[1] + 50))
        # On the close button: the button takes the press, released elsewhere it does not click.
        start = pair.inner.find(id=CLOSE).point()
        self.session.input.drag(start, (start[0] - 80, start[1] + 50))
        self.session.park_pointer()
        self.assert_unmoved_for(1.0, pair.rects())
        self.assertTrue(self.app.running)
        # Input is handled in order: this click lands on the close button where it was.
        self.session.click(pair.inner.find(id=CLOSE))
        self.assert_exit(IDCANCEL)

    def test_enter_and_escape_do_nothing_in_the_prompt(self):
        pair = self.start("prompt", 3, "1.0", 1)
        # First to the outer, which the dialog activates when it shows, then to the inner.
        self.session.input.key("Return")
        self.session.input.key("Escape")
        self.session.click(pair.inner.find(id=TEXT))  # focus comes from a click
        self.session.input.key("Return")
        self.session.input.key("Escape")
        # Had Escape cancelled, the program would have ended with IDCANCEL; had Enter hidden
        # the inner, this click would find no button.
        self.session.click(pair.inner.find(id=OK))
        self.assert_exit(IDOK)

    def test_click_on_the_outer_frame_leaves_the_inner_on_top(self):
        pair = self.start("prompt", 3, "1.0", 1)
        self.session.click(pair.inner.find(id=TEXT))  # the inner becomes the active window
        self.session.click(pair.outer, 2, 80, client=False)  # the frame's visible edge
        self.shot_when_painted("prompt-after-frame-click", pair, (20, 5), is_prompt_blue)
        self.session.click(pair.inner.find(id=OK))
        self.assert_exit(IDOK)

    # --- progress ------------------------------------------------------------------------------

    def test_progress_places_look_no_drag_keys_and_finish(self):
        pair = self.start("progress", "1.0", 1)
        outer, inner = pair.outer, pair.inner
        self.assertEqual((outer.rect.width, outer.rect.height), (232, 132))
        self.assertEqual(outer.rect.center, OWNER_CENTRE)
        self.assertEqual(inner.rect, e2e.Rect(outer.rect.left + 14, outer.rect.top + 12,
                                              outer.rect.left + 14 + 204, outer.rect.top + 12 + 104))
        state = inner.find(id=1000)
        self.assertEqual(state.text, "正在修改，请稍等")
        self.assertEqual(state.rect, e2e.Rect(10, 32, 194, 72).moved(inner.client.left,
                                                                     inner.client.top))
        shot = self.shot_when_painted("progress-scale1", pair, (100, 90), is_progress_blue)
        self.assertEqual(e2e.Screen.pixel(shot, 10, 10), OWNER_GREY)  # transparent skin corner

        start = inner.point(60, 10)
        self.session.input.drag(start, (start[0] + 100, start[1] + 60))
        self.session.click(inner, 60, 95)
        self.session.input.key("Return")
        self.session.input.key("Escape")
        self.session.park_pointer()
        self.assert_unmoved_for(1.0, pair.rects())
        self.assertTrue(self.app.running)

        self.assertEqual(self.session.probe.send(outer.hwnd, WM_EXECUTE_FINISHED), 0)
        self.assert_exit(IDOK)

    # --- problem feedback ------------------------------------------------------------------------

    def test_feedback_places_look_rim_and_answer(self):
        pair = self.start("feedback", "1.0")
        outer, inner = pair.outer, pair.inner
        self.assertEqual(outer.text, "霁衡")
        self.assertEqual((outer.rect.width, outer.rect.height), (410, 479))
        self.assertEqual(outer.rect.center, OWNER_CENTRE)
        # Centring moved the outer; its move brings the inner with a top inset of 3.
        self.assertEqual(inner.rect, grown(outer.rect, -5, -3, -5, -7))
        origin = (inner.client.left, inner.client.top)
        self.assertEqual(inner.find(id=FEEDBACK_CLOSE).rect,
                         e2e.Rect(382, 6, 394, 18).moved(*origin))
        for cid, top in ((SOLVED, 154), (UNSOLVED, 234), (MORE, 314)):
            self.assertEqual(inner.find(id=cid).rect, e2e.Rect(67, top, 333, top + 60).moved(*origin))
        shot = self.shot_when_painted("feedback-scale1", pair, (20, 5), is_prompt_blue)
        self.assertEqual(e2e.Screen.pixel(shot, 9, 9), OWNER_GREY)  # transparent skin corner

        # With the real pointer: a click in the rim of "解决" and "未解决" is no answer, and
        # "更多方案" without a library does nothing.
        self.session.click(inner.find(id=SOLVED), 4, 30)
        self.session.click(inner.find(id=UNSOLVED), 133, 56)
        self.session.click(inner.find(id=MORE))
        self.assert_unmoved_for(1.0, pair.rects())
        self.assertTrue(self.app.running)
        self.session.click(inner.find(id=SOLVED), 12, 30)
        self.assert_exit(IDCANCEL)

    # --- scale 2 -------------------------------------------------------------------------------

    def test_scale_two_screenshots(self):
        pair = self.start("prompt", 2, "2.0", 1)
        self.assertEqual((pair.outer.rect.width, pair.outer.rect.height), (672, 312))
        self.shot_when_painted("prompt-type2-scale2", pair, (40, 10), is_prompt_blue)
        self.session.click(pair.inner.find(id=OK))
        self.assert_exit(IDOK)

        pair = self.start("prompt", 3, "2.0", 2)
        self.shot_when_painted("prompt-type3-scale2", pair, (40, 10), is_prompt_blue)
        self.session.click(pair.inner.find(id=CLOSE))
        self.assert_exit(IDCANCEL)

        pair = self.start("progress", "2.0", 1)
        self.assertEqual((pair.outer.rect.width, pair.outer.rect.height), (464, 264))
        self.shot_when_painted("progress-scale2", pair, (200, 180), is_progress_blue)
        self.session.probe.send(pair.outer.hwnd, WM_EXECUTE_FINISHED)
        self.assert_exit(IDOK)

        pair = self.start("feedback", "2.0")
        self.assertEqual((pair.outer.rect.width, pair.outer.rect.height), (820, 958))
        self.assertEqual(pair.inner.find(id=SOLVED).rect,
                         e2e.Rect(134, 308, 666, 428).moved(pair.inner.client.left,
                                                            pair.inner.client.top))
        self.shot_when_painted("feedback-scale2", pair, (40, 10), is_prompt_blue)
        self.session.click(pair.inner.find(id=FEEDBACK_CLOSE))
        self.assert_exit(IDCANCEL)


    # --- agreement -----------------------------------------------------------------------------

    def pixels(self, name, rect):
        from PIL import Image
        with Image.open(self.session.screen.shot(name, rect)) as image:
            return image.convert("RGB").tobytes()

    def test_agreement_pop_up_scrolled_at_scales_one_and_two(self):
        for s in (1, 2):
            with self.subTest(scale=s):
                # Placed as the panel places it over a 400 x 600 panel at (100, 100).
                pair = self.start("agreement", f"{s}.0")
                self.assertEqual(pair.outer.rect, e2e.Rect(100 + 2 * s, 100 + 108 * s,
                                                           100 + 400 * s, 100 + 580 * s))
                self.assertEqual(pair.inner.rect, grown(pair.outer.rect, -s, -s, -2 * s, -18 * s))
                # The text was laid out once, in the inner as first created.
                frame = pair.inner.find(text="SkinScrollBarFrame")
                self.assertEqual(frame.rect, e2e.Rect(8 * s, 8 * s, 386 * s, 456 * s).moved(
                    pair.inner.client.left, pair.inner.client.top))
                text = frame.find(text="LIMIT").find(cls="RichEdit20W")
                bar = frame.find(id=VERTICAL_BAR, visible=True)

                before = self.pixels(f"agreement-bar-top-scale{s}", bar.rect)
                self.session.probe.send(text.hwnd, EM_LINESCROLL, 0, 20)
                self.assertGreater(self.session.probe.send(text.hwnd, EM_GETFIRSTVISIBLELINE), 0)
                # The frame's poll moves the thumb.
                e2e.wait_until(lambda: self.pixels("agreement-bar-now", bar.rect) != before, 5,
                               0.2, "the skinned bar to follow the scrolled text")
                self.session.screen.shot(f"agreement-scale{s}", grown(pair.outer.rect, 10, 10, 10, 10))

                self.session.probe.post(pair.owner.hwnd, WM_CLOSE)
                self.assert_exit(IDOK)

if __name__ == "__main__":
    unittest.main()
