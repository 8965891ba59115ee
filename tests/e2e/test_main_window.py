#!/usr/bin/env python3
"""The main window as a user and a screen reader meet it: where it opens, where every
control lies, what the tab pages show, and the ways of closing it."""
import unittest

from harness import MAIN_IDS, ProgramTestCase

# The layout, typed from the window's design: parent, position in it, size.
LAYOUT = {
    "选择夹1": (None, 0, 0, 448, 432),
    "分组框3": ("选择夹1", 8, 38, 432, 136),
    "标签7": ("分组框3", 120, 8, 136, 24),
    "标签9": ("分组框3", 8, 30, 416, 24),
    "标签5": ("分组框3", 21, 54, 392, 24),
    "标签8": ("分组框3", 8, 78, 416, 24),
    "标签6": ("分组框3", 21, 106, 395, 24),
    "分组框4": ("选择夹1", 8, 192, 214, 145),
    "标签1": ("分组框4", 8, 20, 72, 24),
    "编辑框1": ("分组框4", 79, 19, 120, 24),
    "标签2": ("分组框4", 19, 63, 64, 24),
    "编辑框2": ("分组框4", 80, 62, 120, 24),
    "标签3": ("分组框4", 7, 104, 72, 24),
    "编辑框6": ("分组框4", 80, 104, 24, 24),
    "编辑框3": ("分组框4", 112, 104, 88, 24),
    "分组框1": ("选择夹1", 226, 192, 214, 145),
    "标签4": ("分组框1", 125, -5, 19, 22),
    "编辑框4": ("分组框1", 6, 18, 200, 118),
    "分组框2": ("选择夹1", 8, 354, 120, 32),
    "超文本浏览框2": ("分组框2", -322, -680, 480, 776),
    "编辑框5": ("选择夹1", 136, 355, 120, 32),
    "按钮2": ("选择夹1", 266, 355, 81, 32),
    "按钮1": ("选择夹1", 357, 354, 81, 32),
    "超级链接框1": ("选择夹1", 8, 402, 340, 24),
    "按钮3": ("选择夹1", 357, 402, 81, 24),
    "托盘图标1": ("选择夹1", 0, 317, 16, 16),
    "超文本浏览框1": ("选择夹1", 0, 343, 16, 9),
    "超文本浏览框3": ("选择夹1", 6, 25, 434, 383),
    "分组框5": ("选择夹1", 16, 288, 208, 99),
    "标签10": ("分组框5", 8, 15, 176, 24),
    "标签11": ("分组框5", 8, 34, 184, 24),
    "标签12": ("分组框5", 8, 52, 180, 24),
    "标签13": ("分组框5", 9, 72, 184, 24),
}
PAGE_1 = ["分组框3", "分组框4", "分组框1", "分组框2", "编辑框5", "按钮2", "按钮1", "超级链接框1", "按钮3"]
PAGE_2 = ["超文本浏览框3", "分组框5"]
NEVER_SHOWN = ["托盘图标1", "超文本浏览框1"]
ESC, F4, TAB, RETURN = 0x1B, 0x73, 0x09, 0x0D
WM_SYSKEYDOWN, WM_SYSCOMMAND, SC_CLOSE = 0x0104, 0x0112, 0xF060
WS_MAXIMIZEBOX, WS_MINIMIZEBOX, WS_THICKFRAME, WS_SYSMENU = 0x10000, 0x20000, 0x40000, 0x80000
WS_EX_APPWINDOW, WS_EX_CLIENTEDGE = 0x40000, 0x200
ES_CENTER, ES_PASSWORD, ES_MULTILINE, ES_AUTOHSCROLL = 0x1, 0x20, 0x4, 0x80


class MainWindowTest(ProgramTestCase):
    def select_tab(self, index):
        """Arrow keys on the tab control, as a keyboard user switches pages."""
        current = 0 if self.control("超文本浏览框3").visible is False else 1
        key = 0x27 if index > current else 0x25
        for _ in range(abs(index - current)):
            self.driver("key", "main", MAIN_IDS["选择夹1"], key)
        self.driver("sleep", 200)

    def test_opens_centred_with_the_first_page_and_its_initial_texts(self):
        main = self.window()
        width, height = map(int, self.driver("screen").split())
        self.assertEqual(main.rect, ((width - 451) // 2, (height - 464) // 2, 451, 464))
        self.assertEqual(main.text, "澜舟飞笺 V1.3")
        self.assertTrue(main.style & WS_MINIMIZEBOX and main.style & WS_SYSMENU)
        self.assertFalse(main.style & (WS_MAXIMIZEBOX | WS_THICKFRAME))
        self.assertTrue(main.ex_style & WS_EX_APPWINDOW)
        self.assertEqual(self.get_text("标签4"), "160")
        self.assertEqual(self.get_text("编辑框6"), "86")
        for name in ("编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5"):
            self.assertEqual(self.get_text(name), "", name)
        for name in PAGE_1:
            self.assertTrue(self.control(name).visible, name)
        for name in PAGE_2 + NEVER_SHOWN:
            self.assertFalse(self.control(name).visible, name)

    def test_every_control_lies_where_the_layout_puts_it(self):
        main = self.window()
        origins = {None: (main.client_x, main.client_y)}
        for name, (parent, x, y, width, height) in LAYOUT.items():
            with self.subTest(name):
                control = self.control(name)
                left, top = origins[parent]
                self.assertEqual(control.rect, (left + x, top + y, width, height))
                origins[name] = (control.x, control.y)
        # A few in absolute numbers: the window's client area plus the offsets above.
        cx, cy = main.client_x, main.client_y
        self.assertEqual(self.control("按钮1").rect, (cx + 357, cy + 354, 81, 32))
        self.assertEqual(self.control("编辑框4").rect, (cx + 232, cy + 210, 200, 118))
        self.assertEqual(self.control("标签4").rect, (cx + 351, cy + 187, 19, 22))
        self.assertEqual(self.control("超文本浏览框2").rect, (cx - 314, cy - 326, 480, 776))

    def test_controls_have_their_kinds_and_settings(self):
        expectations = [
            ("编辑框2", "Edit", ES_PASSWORD, 0),
            ("编辑框6", "Edit", ES_CENTER, 0),
            ("编辑框4", "Edit", ES_MULTILINE, ES_AUTOHSCROLL),
            ("编辑框1", "Edit", ES_AUTOHSCROLL, ES_MULTILINE | ES_PASSWORD),
            ("超级链接框1", "FeijianHyperlink", 0, 0),
            ("超文本浏览框2", "FeijianBrowserHost", 0, 0),
            ("托盘图标1", "FeijianTrayIcon", 0, 0),
        ]
        for name, class_name, has, lacks in expectations:
            with self.subTest(name):
                control = self.control(name)
                self.assertEqual(control.class_name, class_name)
                self.assertEqual(control.style & has, has)
                self.assertEqual(control.style & lacks, 0)
        for name in ("编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5", "编辑框6"):
            self.assertTrue(self.control(name).ex_style & WS_EX_CLIENTEDGE, name)
        self.assertTrue(self.control("超级链接框1").ex_style & WS_EX_CLIENTEDGE)
        self.assertEqual([self.control(n).text for n in ("按钮1", "按钮2", "按钮3")], ["飞信发送", "全球短信发送", "关于我们"])
        self.assertEqual(self.control("分组框1").text, "短信内容(仅可以输入    个字母)")

    def test_tabs_show_one_page_at_a_time(self):
        self.select_tab(1)
        for name in PAGE_1:
            self.assertFalse(self.control(name).visible, name)
        for name in PAGE_2:
            self.assertTrue(self.control(name).visible, name)
        self.select_tab(0)
        for name in PAGE_1:
            self.assertTrue(self.control(name).visible, name)
        for name in PAGE_2 + NEVER_SHOWN:
            self.assertFalse(self.control(name).visible, name)

    def test_tab_moves_the_focus_in_reading_order(self):
        first = self.control("编辑框1")
        self.driver("mouse", "click", first.x + 10, first.y + 10)
        # The captcha frame comes last: a focused browser sees keys first, and Wine's
        # browser keeps Tab for itself.
        order = ["编辑框1", "编辑框2", "编辑框6", "编辑框3", "编辑框4", "超文本浏览框2"]
        for current, following in zip(order, order[1:]):
            with self.subTest(current):
                self.assertEqual(int(self.driver("focus").split()[0]), MAIN_IDS[current])
                self.driver("key", "main", MAIN_IDS[current], TAB)
                self.driver("sleep", 100)
        self.assertEqual(int(self.driver("focus").split()[0]), MAIN_IDS[order[-1]])
        self.assertEqual(self.get_text("编辑框4"), "")  # Tab is not typed into the message

    def test_enter_starts_a_new_line_in_the_message_box_only(self):
        self.type_char("编辑框4", ord("a"))
        self.driver("key", "main", MAIN_IDS["编辑框4"], RETURN)
        self.driver("sleep", 200)  # the key's character is queued when the key is handled
        self.type_char("编辑框4", ord("b"))
        self.driver("key", "main", MAIN_IDS["编辑框1"], RETURN)
        self.driver("sleep", 200)
        self.assertEqual(self.get_text("编辑框4"), "a\r\nb")
        self.assertEqual(self.get_text("编辑框1"), "")
        self.no_box(0)

    def test_every_way_of_closing_ends_with_exit_code_0(self):
        ways = {
            "Esc in the message box": lambda: self.driver("key", "main", MAIN_IDS["编辑框4"], ESC),
            "Esc in a button's focus": lambda: self.driver("key", "main", MAIN_IDS["按钮1"], ESC),
            "Alt+F4": lambda: self.driver("post", "main", WM_SYSKEYDOWN, F4, 0x20000001),
            "close button": lambda: self.close_button(),
        }
        for way, close in ways.items():
            with self.subTest(way):
                if way != "Esc in the message box":
                    self.launch()
                close()
                self.assertEqual(self.exit_code(), 0)

    def close_button(self):
        main = self.window()
        self.driver("mouse", "click", main.x + main.width - 14, main.y + 10)


if __name__ == "__main__":
    unittest.main(verbosity=2)
