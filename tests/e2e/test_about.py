#!/usr/bin/env python3
"""The About window: it replaces the main window while it is open, lies where its
design puts it, and however it is closed the main window comes back in its place."""
import unittest

from harness import ABOUT_IDS, MAIN_IDS, ProgramTestCase

LAYOUT = {
    "分组框1": (None, 8, 8, 360, 136),
    "标签7": ("分组框1", 120, 7, 136, 24),
    "标签1": ("分组框1", 8, 25, 344, 24),
    "标签2": (None, 28, 54, 332, 24),
    "标签3": ("分组框1", 8, 66, 344, 24),
    "标签4": ("分组框1", 22, 92, 328, 17),
    "标签8": ("分组框1", 9, 110, 344, 24),
    "分组框2": (None, 8, 152, 360, 56),
    "标签5": ("分组框2", 13, 24, 40, 16),
    "超级链接框1": ("分组框2", 54, 19, 129, 24),
    "标签6": ("分组框2", 202, 24, 19, 16),
    "超级链接框2": (None, 234, 172, 112, 24),
}
ESC, F4 = 0x1B, 0x73
WM_SYSKEYDOWN, WM_SYSCOMMAND, SC_MINIMIZE = 0x0104, 0x0112, 0xF020
TRAY_CALLBACK, WM_LBUTTONUP = 0x8064, 0x0202
WS_MAXIMIZEBOX, WS_MINIMIZEBOX, WS_SYSMENU = 0x10000, 0x20000, 0x80000


class AboutWindowTest(ProgramTestCase):
    def open_about(self):
        self.click("按钮3")
        return self.wait_window("about")

    def test_it_replaces_the_main_window_centred_with_an_empty_title(self):
        about = self.open_about()
        width, height = map(int, self.driver("screen").split())
        self.assertEqual(about.rect, ((width - 380) // 2, (height - 250) // 2, 380, 250))
        self.assertEqual(about.text, "")
        self.assertTrue(about.style & WS_SYSMENU)
        self.assertFalse(about.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
        main = self.window("main")
        self.assertFalse(main.visible)
        self.assertFalse(main.enabled)

    def test_its_controls_lie_where_its_design_puts_them(self):
        about = self.open_about()
        origins = {None: (about.client_x, about.client_y)}
        for name, (parent, x, y, width, height) in LAYOUT.items():
            with self.subTest(name):
                control = self.control(name, "about")
                left, top = origins[parent]
                self.assertEqual(control.rect, (left + x, top + y, width, height))
                origins[name] = (control.x, control.y)
        self.assertEqual(self.control("标签2", "about").text, "使用飞信发送短信，中英文均可。飞信发送不用填写验证码！")
        self.assertEqual(self.control("分组框2", "about").text, "联系方式：")

    def test_every_way_of_closing_brings_the_main_window_back_in_its_place(self):
        ways = {
            "close button": lambda about: self.driver("mouse", "click", about.x + about.width - 14, about.y + 10),
            "Alt+F4": lambda about: self.driver("post", "about", WM_SYSKEYDOWN, F4, 0x20000001),
            "Esc": lambda about: self.driver("key", "about", ABOUT_IDS["标签7"], ESC),
        }
        before = self.window("main").rect
        for way, close in ways.items():
            with self.subTest(way):
                close(self.open_about())
                self.driver("gone", "about", 5000)
                main = self.wait_window("main")
                self.assertEqual((main.rect, main.visible, main.enabled), (before, True, True))

    def test_it_can_be_opened_again_and_again(self):
        for _ in range(3):
            self.open_about()
            self.driver("key", "about", ABOUT_IDS["标签7"], ESC)
            self.wait_window("main")

    def test_a_tray_click_while_it_is_open_changes_nothing_visible(self):
        about = self.open_about()
        self.driver("post-tray", WM_LBUTTONUP)
        self.driver("sleep", 300)
        self.assertFalse(self.window("main").visible)
        self.assertEqual(self.window("about").rect, about.rect)


if __name__ == "__main__":
    unittest.main(verbosity=2)
