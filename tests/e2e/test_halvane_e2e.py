"""The harness's own logic on canned probe output: no Wine, no display."""

import sys
import tempfile
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import halvane_e2e as e2e  # noqa: E402


def window(hwnd, cls, text="", id=None, rect=(0, 0, 10, 10), origin=None, size=None, **extra):
    origin = origin or rect[:2]
    size = size or (rect[2] - rect[0], rect[3] - rect[1])
    data = {"hwnd": hex(hwnd), "class": cls, "text": text, "id": id, "style": 0, "exstyle": 0,
            "visible": True, "enabled": True, "layered": False, "owner": None, "rect": list(rect),
            "clientRect": [0, 0, *size], "clientOrigin": list(origin), "children": []}
    data.update(extra)
    return data


def snapshot():
    inner = window(0x30, "Button", "设置", id=1001, rect=(120, 160, 220, 190), check=0)
    group = window(0x20, "Static", "组", id=7, rect=(110, 150, 400, 300), children=[inner])
    combo = window(0x22, "ComboBox", id=1003, rect=(240, 162, 380, 189),
                   items=["节能模式", "平衡模式"], selection=1, dropped=False)
    main = window(0x10, "HalvaneE2eDemo", "演示窗口", rect=(100, 100, 460, 340), origin=(103, 125),
                  size=(354, 212), pid=40, tid=44, image="C:\\t\\E2eDemo.exe",
                  children=[group, combo])
    drop = window(0x40, "ComboLBox", rect=(240, 186, 380, 321), origin=(241, 187), size=(138, 100),
                  pid=40, tid=44, image="C:\\t\\E2eDemo.exe", items=["a", "b", "c", "d", "e", "f"],
                  selection=1, topIndex=1, itemHeight=20)
    return e2e.Snapshot({"screen": [800, 600], "cursor": [1, 2], "windows": [main, drop]})


class TreeTest(unittest.TestCase):
    def test_finds_nested_windows_by_criteria(self):
        snap = snapshot()
        button = snap.find(id=1001)
        self.assertEqual((button.hwnd, button.text, button.check), (0x30, "设置", 0))
        self.assertEqual(button.parent.parent.cls, "HalvaneE2eDemo")
        # Class names compare without case, as Windows does; texts exactly.
        self.assertEqual(snap.find(cls="button").hwnd, 0x30)
        self.assertIsNone(snap.find(text="设"))
        self.assertEqual([w.hwnd for w in snap.find_all(where=lambda w: w.items)], [0x22, 0x40])
        self.assertEqual([w.hwnd for w in snap.top_level(cls="ComboLBox")], [0x40])
        self.assertEqual(snap.top_level(id=1001), [])  # top_level does not descend

    def test_only_insists_on_exactly_one(self):
        snap = snapshot()
        self.assertEqual(snap.only(cls="ComboBox").hwnd, 0x22)
        with self.assertRaises(AssertionError):
            snap.only(cls="Nothing")
        with self.assertRaises(AssertionError):
            snap.only(visible=True)

    def test_children_carry_their_process(self):
        button = snapshot().find(id=1001)
        self.assertEqual((button.pid, button.image), (40, "C:\\t\\E2eDemo.exe"))

    def test_points_relative_to_client_or_window(self):
        main = snapshot().windows[0]
        self.assertEqual(main.client, e2e.Rect(103, 125, 457, 337))
        self.assertEqual(main.point(10, 20), (113, 145))
        self.assertEqual(main.point(10, 20, client=False), (110, 120))
        self.assertEqual(main.point(), (103 + 177, 125 + 106))
        self.assertEqual(main.point(y=0), (103 + 177, 125))

    def test_list_item_points_follow_scrolling(self):
        drop = snapshot().windows[1]
        self.assertEqual(drop.item_point(1), (241 + 69, 187 + 10))
        self.assertEqual(drop.item_point(3), (241 + 69, 187 + 2 * 20 + 10))
        self.assertEqual(drop.item_point(5), (241 + 69, 187 + 4 * 20 + 10))
        for hidden in (0, 6):
            with self.assertRaises(ValueError):
                drop.item_point(hidden)
        with self.assertRaises(ValueError):
            snapshot().windows[0].item_point(0)


class PointerTest(unittest.TestCase):
    def test_free_point_avoids_windows(self):
        self.assertEqual(e2e.free_point((800, 600), []), (799, 599))
        covering = [e2e.Rect(700, 500, 800, 600), e2e.Rect(0, 590, 10, 600)]
        self.assertEqual(e2e.free_point((800, 600), covering), (799, 0))
        with self.assertRaises(AssertionError):
            e2e.free_point((800, 600), [e2e.Rect(0, 0, 800, 600)])


class WaitTest(unittest.TestCase):
    def test_returns_the_first_truthy_value(self):
        calls = []

        def check():
            calls.append(1)
            return len(calls) >= 3 and "ready"
        self.assertEqual(e2e.wait_until(check, timeout=5, interval=0.01), "ready")
        self.assertEqual(len(calls), 3)

    def test_gives_up_at_the_deadline(self):
        start = time.monotonic()
        with self.assertRaisesRegex(e2e.WaitTimeout, "the door"):
            e2e.wait_until(lambda: None, timeout=0.3, interval=0.05, what="the door")
        self.assertLess(time.monotonic() - start, 1.0)
        self.assertGreaterEqual(time.monotonic() - start, 0.3)


class PrefixTest(unittest.TestCase):
    def test_windows_paths_of_files_under_drive_c(self):
        with tempfile.TemporaryDirectory() as tmp:
            prefix = e2e.Prefix(Path(tmp) / "pfx")
            (prefix.drive_c / "halvane-e2e" / "Demo-1").mkdir(parents=True)
            exe = prefix.drive_c / "halvane-e2e" / "Demo-1" / "E2eDemo.exe"
            self.assertEqual(prefix.windows_path(exe), "C:\\halvane-e2e\\Demo-1\\E2eDemo.exe")
            with self.assertRaises(ValueError):
                prefix.windows_path(Path(tmp) / "elsewhere.exe")

    def test_a_display_without_its_socket_is_not_reused(self):
        with tempfile.TemporaryDirectory() as tmp:
            prefix = e2e.Prefix(Path(tmp) / "pfx")
            self.assertIsNone(prefix._live_display())
            Path(str(prefix.path) + ".display").write_text(":4711\n")
            self.assertIsNone(prefix._live_display())


if __name__ == "__main__":
    unittest.main()
