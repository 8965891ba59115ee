#!/usr/bin/env python3
"""The notification-area icon and its menu: clicks as the shell reports them (the
callback message to the icon's receiver window), and the two menu items."""
import unittest

from harness import ProgramTestCase, Window

WM_SYSCOMMAND, SC_MINIMIZE = 0x0112, 0xF020
WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MOUSEMOVE = 0x0202, 0x0203, 0x0205, 0x0200
DOWN, UP, RETURN, ESC = 0x28, 0x26, 0x0D, 0x1B


class TrayTest(ProgramTestCase):
    def minimise(self):
        self.driver("post", "main", WM_SYSCOMMAND, SC_MINIMIZE, 0)
        self.driver("sleep", 300)
        self.assertTrue(self.window().minimised)

    def open_menu(self, x=600, y=400):
        self.driver("cursor", x, y)
        self.driver("post-tray", WM_RBUTTONUP)
        return self.wait_window("menu", 5)

    def choose(self, *keys):
        for key in keys:
            self.driver("key", "menu", 0, key)

    def test_the_icon_comes_and_goes_with_the_main_window(self):
        self.window().visible or self.fail("main window not shown")
        receivers = [r for r in self.driver("find-class", "FeijianTrayReceiver").split(";") if r]
        self.assertEqual(len(receivers), 1)
        self.assertFalse(Window(receivers[0]).visible)
        with_icon = int(self.driver("tray-icons"))
        self.driver("close", "main")
        self.assertEqual(self.exit_code(), 0)
        self.assertEqual(int(self.driver("tray-icons")), with_icon - 1)
        self.launch()
        self.assertEqual(int(self.driver("tray-icons")), with_icon)

    def test_a_left_click_restores_and_activates_a_minimised_window(self):
        self.minimise()
        self.driver("post-tray", WM_LBUTTONUP)
        self.driver("sleep", 300)
        main = self.window()
        self.assertFalse(main.minimised)
        self.assertTrue(main.visible)
        self.assertEqual(self.driver("foreground").split()[0], "FeijianMainWindow")

    def test_a_double_click_only_restores(self):
        self.minimise()
        for message in (WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_MOUSEMOVE):
            self.driver("post-tray", message)
        self.driver("sleep", 300)
        self.assertFalse(self.window().minimised)
        self.no_box(0)
        with self.assertRaises(Exception):
            self.driver("wait", "menu", 0)

    def test_a_right_click_shows_the_menu_up_and_left_of_the_cursor(self):
        menu = self.open_menu(600, 400)
        self.assertEqual((menu.x + menu.width, menu.y), (595, 395))
        self.choose(ESC)
        self.driver("gone", "menu", 3000)
        self.assertTrue(self.window().visible)

    def test_the_first_item_opens_the_main_window(self):
        self.minimise()
        self.open_menu()
        self.choose(DOWN, RETURN)
        self.driver("gone", "menu", 3000)
        self.driver("sleep", 300)
        self.assertFalse(self.window().minimised)

    def test_going_down_past_the_second_item_comes_back_to_the_first(self):
        self.minimise()
        self.open_menu()
        self.choose(DOWN, DOWN, DOWN, RETURN)
        self.driver("gone", "menu", 3000)
        self.driver("sleep", 300)
        self.assertFalse(self.window().minimised)

    def test_the_last_item_ends_the_program_at_once(self):
        self.open_menu()
        self.choose(UP, RETURN)
        self.assertEqual(self.exit_code(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
