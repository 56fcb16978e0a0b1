"""The main panel of Halvane.exe driven with the pointer: power mode changes against the powercfg
simulator (please-wait dialog, outcome prompts, the log), the consent box, keys, links, dragging,
minimising, the places of every control at scale 1 and 2, and that nothing starts or breaks while
a change runs."""

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

SUCCEEDED, FAILED = "电源模式修改成功", "电源模式修改失败"
NO_MODE = "请选择您要设置的电源模式"
# Pieces of simulator output with pauses: a list takes about 15 s.
SLOW = {"chunk": 16, "chunk_pause_ms": 1000}
# For checks that something does not happen.
QUIET_SECONDS = 1.0


def scaled(rect, s):
    return tuple(int(v * s) for v in rect)


@unittest.skipUnless(SHIP_DIR, "HALVANE_E2E_APP_DIR is not set (run through ctest)")
class PanelTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = e2e.Session()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def setUp(self):
        self.sim = ps.SimState(self.session).__enter__()
        self.addCleanup(self.sim.__exit__, None, None, None)
        self.server = su.UpdateServer(su.TOOL_VERSION).__enter__()
        self.addCleanup(self.server.__exit__, None, None, None)

    def start(self):
        folder = su.stage_folder(SHIP_DIR, config_text=self.server.library_config())
        self.addCleanup(shutil.rmtree, folder, True)
        self.app = self.session.start_app(folder, su.EXE, name=self._testMethodName)
        self.addCleanup(self.app.cleanup)
        self.app.wait_for(lambda s: (p := su.find_panel(s)) is not None and p.visible,
                          timeout=30, what="the panel")
        # The version question comes 100 ms after start-up; after it the panel is steady.
        e2e.wait_until(lambda: self.server.requests() >= 1, 15, what="the version question")
        return self.app.tree()

    def panel(self):
        return su.find_panel(self.app.tree())

    def click_control(self, control_id):
        self.session.click(self.panel().find(id=control_id))

    def confirm_prompt(self, text):
        prompt = self.app.wait_for(su.find_prompt, timeout=30, what=f"the prompt {text!r}")
        self.assertEqual(prompt.find(id=su.PROMPT_TEXT).text, text)
        self.session.click(prompt.find(id=su.PROMPT_OK))
        self.app.wait_for(lambda s: su.find_prompt(s) is None, what="the prompt to close")

    def assert_over_panel(self, inner):
        """The dialog of this inner is centred over the panel (halves cut toward zero)."""
        snap = self.app.tree()
        outer, panel = ps.outer_of(snap, inner).rect, su.find_panel(snap).rect
        for got, want in zip(outer.center, panel.center):
            self.assertLessEqual(abs(got - want), 1, (outer, panel))

    def change_mode(self, mode, outcome, shots=None):
        """Picks the mode, presses "设置", sees the please-wait dialog end in the outcome prompt.
        shots: name prefix for screenshots of the please-wait dialog and of the outcome."""
        ps.choose_mode(self.session, self.app, mode)
        self.click_control(ps.SET)
        wait = self.app.wait_for(ps.please_wait, timeout=30, what="the please-wait dialog")
        self.assertEqual(wait.find(id=ps.STATE_TEXT).text[:8], "正在修改，请稍等")
        self.assert_over_panel(wait)
        if shots:
            self.session.screen.shot(f"{shots}-please-wait", ps.main_window(self.app.tree()).rect)
        prompt = self.app.wait_for(su.find_prompt, timeout=60, what="the outcome prompt")
        snap = self.app.tree()
        self.assertIsNone(ps.please_wait(snap), "the please-wait dialog is gone")
        self.assertEqual(prompt.find(id=su.PROMPT_TEXT).text, outcome)
        self.assert_over_panel(prompt)
        if shots:
            self.session.screen.shot(f"{shots}-outcome", ps.outer_of(snap, prompt).rect)
        self.confirm_prompt(outcome)

    # --- power mode changes ----------------------------------------------------------------------

    def test_every_mode_changes_and_a_rejected_change_fails_with_a_log_entry(self):
        self.sim.set_knobs(chunk=64, chunk_pause_ms=150)  # the please-wait dialog stays a moment
        self.start()
        log = su.ToolLog(self.session)
        for mode, guid in [(0, ps.PLAN_GUIDS[0]), (2, ps.PLAN_GUIDS[2]), (1, ps.PLAN_GUIDS[1])]:
            self.change_mode(mode, SUCCEEDED, shots="panel-success" if mode == 0 else None)
            self.assertEqual(self.sim.active(), guid)

        # Ultimate: created from the template the first time, found by name the second time.
        self.change_mode(3, SUCCEEDED)
        created = self.sim.plans_named(ps.ULTIMATE_NAME)
        self.assertEqual(len(created), 1)
        self.assertEqual(self.sim.active(), created[0])
        self.change_mode(1, SUCCEEDED)
        self.change_mode(3, SUCCEEDED)
        self.assertEqual(self.sim.plans_named(ps.ULTIMATE_NAME), created)
        self.assertEqual(self.sim.active(), created[0])
        self.assertEqual(log.new_entries(), [])

        # A system that accepts only Balanced: the change is reported as failed and logged.
        self.sim.set_knobs(modern_standby=1)
        self.change_mode(2, FAILED, shots="panel-failure")
        self.assertEqual(log.new_entries(), ["设置高性能模式失败"])
        self.assertTrue(self.app.running)

    # --- consent box, no selection, keys, links, dragging, minimising ---------------------------

    @unittest.skipUnless(URL_RECORDER, "HALVANE_E2E_URLRECORDER is not set")
    def test_consent_selection_keys_links_drag_and_minimise(self):
        with su.UrlRecorder(self.session, URL_RECORDER) as recorder:
            snap = self.start()
            panel = su.find_panel(snap)
            self.session.screen.shot("panel-scale1", ps.main_window(snap).rect)
            self.assertEqual(panel.find(id=ps.CONSENT).check, 1)
            self.assertTrue(panel.find(id=ps.SET).enabled)

            # The consent box gates "设置".
            self.click_control(ps.CONSENT)
            self.app.wait_for(lambda s: not su.find_panel(s).find(id=ps.SET).enabled,
                              what="设置 disabled")
            self.assertEqual(self.panel().find(id=ps.CONSENT).check, 0)
            self.click_control(ps.CONSENT)
            self.app.wait_for(lambda s: su.find_panel(s).find(id=ps.SET).enabled,
                              what="设置 enabled again")

            # No selection: the user is asked to choose; nothing runs.
            mode_list = self.panel().find(id=ps.MODE_LIST)
            self.session.probe.send(mode_list.hwnd, ps.CB_SETCURSEL, 0xFFFFFFFFFFFFFFFF, 0)
            self.click_control(ps.SET)
            self.confirm_prompt(NO_MODE)
            self.assertIsNone(self.sim.value("calls"), "powercfg never ran")

            # Enter and Esc on the panel change nothing.
            self.session.click(self.panel(), 200, 150)
            self.session.input.key("Return")
            self.session.input.key("Escape")
            su.quiet_for(QUIET_SECONDS)
            snap = self.app.tree()
            self.assertTrue(su.find_panel(snap).visible)
            self.assertIsNone(su.find_prompt(snap))
            self.assertTrue(ps.main_window(snap).visible)

            # The agreement pop-up: under the panel's header, toggled by the link, left alone by
            # a press inside it, closed by a press elsewhere on the panel or in another program.
            panel = self.panel()
            self.click_control(ps.AGREEMENT_LINK)
            popup = self.app.wait_for(lambda s: ps.agreement_popup(s), what="the agreement pop-up")
            r = panel.rect
            self.assertEqual(popup.rect, e2e.Rect(r.left + 2, r.top + 108, r.left + 2 + 398,
                                                  r.top + 108 + 472))
            self.session.screen.shot("agreement-popup", ps.main_window(self.app.tree()).rect)
            self.click_control(ps.AGREEMENT_LINK)
            self.app.wait_for(lambda s: not ps.agreement_popup(s), what="the pop-up closed")
            self.click_control(ps.AGREEMENT_LINK)
            popup = self.app.wait_for(lambda s: ps.agreement_popup(s), what="the pop-up again")
            self.assertEqual(popup.rect.left, r.left + 2)
            self.session.click(popup, 100, 100)
            su.quiet_for(QUIET_SECONDS)
            self.assertTrue(ps.agreement_popup(self.app.tree()))
            self.session.click(self.panel(), 200, 80)
            self.app.wait_for(lambda s: not ps.agreement_popup(s), what="closed by the panel")
            self.click_control(ps.AGREEMENT_LINK)
            self.app.wait_for(lambda s: ps.agreement_popup(s), what="the pop-up once more")
            with ps.OtherProgram(self.session) as other:
                other.click(avoid=ps.main_window(self.app.tree()).rect)
                self.app.wait_for(lambda s: not ps.agreement_popup(s),
                                  what="closed by another program")
            self.click_control(ps.AGREEMENT_LINK)
            self.app.wait_for(lambda s: ps.agreement_popup(s), what="the pop-up before feedback")

            # The links: one feedback page (the press also closes the pop-up), one article.
            self.click_control(ps.FEEDBACK_LINK)
            self.app.wait_for(lambda s: not ps.agreement_popup(s), what="closed by the feedback link")
            self.assertEqual(recorder.wait_opened(1), [ps.FEEDBACK_ADDRESS])
            self.click_control(ps.MORE_TOOLS)
            self.assertEqual(recorder.wait_opened(2), [ps.FEEDBACK_ADDRESS, ps.MORE_TOOLS_ADDRESS])
            su.quiet_for(QUIET_SECONDS)
            self.assertEqual(len(recorder.opened()), 2)

            # Dragging the top strip moves the whole tool; the main window stays around the panel.
            before = self.panel().rect
            self.session.input.drag((before.left + 100, before.top + 10),
                                    (before.left + 40, before.top + 90))
            self.session.park_pointer()
            moved = self.app.wait_for(lambda s: su.find_panel(s).rect != before and s,
                                      what="the panel to move")
            panel, main = su.find_panel(moved), ps.main_window(moved)
            self.assertEqual(panel.rect, before.moved(-60, 80))
            self.assertEqual(main.rect, e2e.Rect(panel.rect.left - 5, panel.rect.top - 4,
                                                 panel.rect.right + 5, panel.rect.bottom + 7))
            # Not from the right end of the strip, nor below it.
            here = panel.rect
            for x, y in [(330, 10), (100, 40)]:
                self.session.input.drag((here.left + x, here.top + y),
                                        (here.left + x - 50, here.top + y + 50))
            self.session.park_pointer()
            su.quiet_for(QUIET_SECONDS)
            self.assertEqual(self.panel().rect, here)

            # Minimise.
            self.click_control(ps.MINIMISE)
            self.app.wait_for(lambda s: ps.main_window(s).style & ps.WS_MINIMIZE,
                              what="the main window minimised")
            self.assertTrue(self.app.running)

    # --- nothing starts during a change ----------------------------------------------------------

    def test_presses_and_close_during_a_change_start_nothing(self):
        self.sim.set_knobs(**SLOW)
        self.start()
        ps.choose_mode(self.session, self.app, 2)
        self.click_control(ps.SET)
        self.app.wait_for(ps.please_wait, timeout=30, what="the please-wait dialog")
        snap = self.app.tree()
        panel, main = su.find_panel(snap), ps.main_window(snap)
        self.assertFalse(panel.enabled)
        self.assertFalse(main.enabled)

        # "设置" (its left end, beside the please-wait dialog), close, and the system's close.
        set_button = panel.find(id=ps.SET)
        self.session.input.click(set_button.rect.left + 3, set_button.rect.center[1])
        self.session.click(panel.find(id=ps.CLOSE))
        self.session.probe.send(main.hwnd, ps.WM_SYSCOMMAND, ps.SC_CLOSE, 0)
        self.session.park_pointer()
        self.assertTrue(self.app.running)
        snap = self.app.tree()
        waits = [w for w in snap.windows if w.visible and w.find(id=ps.STATE_TEXT)]
        self.assertEqual(len(waits), 1, "one please-wait dialog, the first")
        self.assertIsNone(su.find_prompt(snap))

        # The outcome prompt still holds the tool; after it the panel works again.
        prompt = self.app.wait_for(su.find_prompt, timeout=60, what="the outcome prompt")
        self.assertEqual(prompt.find(id=su.PROMPT_TEXT).text, SUCCEEDED)
        snap = self.app.tree()
        self.assertFalse(su.find_panel(snap).enabled)
        self.assertFalse(ps.main_window(snap).enabled)
        self.confirm_prompt(SUCCEEDED)
        snap = self.app.tree()
        self.assertTrue(su.find_panel(snap).enabled)
        self.assertTrue(ps.main_window(snap).enabled)
        self.assertEqual(self.sim.active(), ps.PLAN_GUIDS[2])

        self.sim.set_knobs(chunk=None, chunk_pause_ms=None)
        self.change_mode(0, SUCCEEDED)
        self.assertEqual(self.sim.active(), ps.PLAN_GUIDS[0])
        self.assertTrue(self.app.running)

    # --- places at scale 1 and 2 -----------------------------------------------------------------

    def assert_places(self, snap, s):
        panel, main = su.find_panel(snap), ps.main_window(snap)
        self.assertEqual((panel.client.width, panel.client.height), (400 * s, 600 * s))
        self.assertEqual(main.rect, e2e.Rect(panel.rect.left - 5 * s, panel.rect.top - 4 * s,
                                             panel.rect.right + 5 * s, panel.rect.bottom + 7 * s))
        close = (int(400 * s - 31.2 * s), 0)
        minimise = (int(400 * s - 59.8 * s), 0)
        expected = {
            ps.CLOSE: close + (close[0] + 26 * s, 34 * s),
            ps.MINIMISE: minimise + (minimise[0] + 26 * s, 34 * s),
            ps.VERSION: scaled((188, 16, 288, 31), s),
            ps.SET: scaled((77, 309, 323, 356), s),
            ps.MORE_TOOLS: scaled((50, 545, 108, 563), s),
        }
        for control_id, rect in expected.items():
            self.assertEqual(ps.rect_in(panel, panel.find(id=control_id)), rect, control_id)
        # A drop-down list's own height is its selection field's.
        self.assertEqual(ps.rect_in(panel, panel.find(id=ps.MODE_LIST))[:3],
                         scaled((40, 265, 360), s))
        consent, agreement, feedback = (ps.rect_in(panel, panel.find(id=i))
                                        for i in (ps.CONSENT, ps.AGREEMENT_LINK, ps.FEEDBACK_LINK))
        for r in (consent, agreement, feedback):
            self.assertEqual((r[1], r[3]), scaled((575, 595), s))
        self.assertEqual(consent[0], 8 * s)
        self.assertEqual(agreement[0], consent[2] + 6)
        # Two character widths for "同意", fourteen for the link.
        self.assertEqual(agreement[2] - agreement[0], 7 * (consent[2] - 8 * s - 16 * s - 2))
        self.assertEqual(feedback[2], 400 * s - 6)
        self.assertEqual(self.panel().find(id=ps.VERSION).text, su.TOOL_VERSION)

    def test_places_at_scale_1_and_at_192_dpi(self):
        self.assert_places(self.start(), 1)
        self.app.cleanup()
        with ps.DisplayDpi(self.session, 192):
            snap = self.start()
        self.assert_places(snap, 2)
        self.session.screen.shot("panel-scale2", ps.main_window(snap).rect)


if __name__ == "__main__":
    unittest.main()
