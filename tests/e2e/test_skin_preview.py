"""The harness on a skinned window: the panel template from the real resources, painted with the
real art. Checks the window tree (Chinese texts, mode list) and the pixels of the screenshot
against the PNG files the resources were built from."""

import os
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import halvane_e2e as e2e  # noqa: E402

SKIN_DIR = os.environ.get("HALVANE_E2E_SKIN_DIR")
ART = Path(__file__).resolve().parents[2] / "res" / "png"
MODES = ["节能模式", "平衡模式", "高性能模式", "卓越性能模式"]
SET, MORE_TOOLS, VERSION, MODE_LIST, AGREEMENT = 1015, 1016, 1014, 1012, 1017


def art_pixel(name, x, y):
    from PIL import Image

    with Image.open(ART / name) as image:
        return image.convert("RGB").getpixel((x, y))


@unittest.skipUnless(SKIN_DIR, "HALVANE_E2E_SKIN_DIR is not set (run through ctest)")
class SkinPreviewTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = e2e.Session()
        cls.app = cls.session.start_app(SKIN_DIR, "SkinPreview.exe", name="skin-preview")
        cls.main = cls.app.wait_window(text="皮肤预览")

    @classmethod
    def tearDownClass(cls):
        cls.app.cleanup()
        cls.session.close()

    def test_tree_holds_the_templates_controls_and_texts(self):
        main = self.main
        self.assertEqual(main.rect, e2e.Rect(100, 100, 500, 700))
        self.assertEqual(main.find(id=SET).text, "设置")
        self.assertEqual(main.find(id=MORE_TOOLS).text, "更多工具")
        self.assertEqual(main.find(id=VERSION).text, "1.0.21.219")
        self.assertEqual(main.find(id=AGREEMENT).text, "《岚拓服务工具使用许可协议》")
        mode = main.find(id=MODE_LIST)
        self.assertEqual((mode.items, mode.selection), (MODES, 1))

    def test_screenshot_shows_the_skin_art(self):
        main = self.main
        shot = self.session.screen.shot("skin-preview", main.rect)
        # Background where no control lies: the pixels of 139.png.
        for x, y in [(200, 60), (20, 250), (380, 520)]:
            self.assertEqual(e2e.Screen.pixel(shot, x, y), art_pixel("139.png", x, y), (x, y))
        # The 设置 button face, drawn 1:1 at (77, 330): the pixels of 183.png.
        for x, y in [(5, 5), (123, 23), (240, 40)]:
            self.assertEqual(e2e.Screen.pixel(shot, 77 + x, 330 + y), art_pixel("183.png", x, y))

    def test_chinese_text_is_drawn_in_the_mode_list(self):
        mode = self.main.find(id=MODE_LIST)
        shot = self.session.screen.shot("skin-preview-mode-list", mode.rect)
        from PIL import Image

        with Image.open(shot) as image:
            # The selected item's text: dark strokes on the light field, not an empty box.
            dark = sum(1 for p in image.convert("L").getdata() if p < 96)
        self.assertGreater(dark, 40)


if __name__ == "__main__":
    unittest.main()
