#!/usr/bin/env python3
"""Hyperlinks: their colours when normal, under the mouse and once opened, and how they
open their targets: through the shell, or through the ".htm" handler when the shell
cannot. Both ways reach a stand-in handler registered in the Wine prefix."""
import os
import time
import unittest

from harness import BUILD, ProgramTestCase, colours, wine, windows_path

NORMAL, HOVER, OPENED = "0000ff", "316ac5", "800000"
RECORD = BUILD / "e2e-runs" / "opened-links.txt"
DRIVER = os.environ.get("FEIJIAN_DRIVER") or str(BUILD / "win32" / "tests" / "driver" / "driver.exe")
CLASSES = r"HKEY_LOCAL_MACHINE\Software\Classes"


class LinkTest(ProgramTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # The shell opens http addresses, and the ".htm" handler anything, with the driver
        # standing in for a browser that writes down what it was given.
        saved = BUILD / "e2e-runs" / "classes-before-links.reg"
        saved.parent.mkdir(parents=True, exist_ok=True)
        wine("reg", "export", CLASSES, windows_path(saved), "/y")
        cls.addClassCleanup(lambda: wine("reg", "import", windows_path(saved)))
        command = f'"{windows_path(DRIVER)}" --record "{windows_path(RECORD)}" "%1"'
        wine("reg", "add", rf"{CLASSES}\http\shell\open\command", "/ve", "/d", command, "/f")
        wine("reg", "add", rf"{CLASSES}\.htm", "/ve", "/d", "htmlfile", "/f")
        wine("reg", "add", rf"{CLASSES}\htmlfile\shell\open\command", "/ve", "/d", command, "/f")

    def setUp(self):
        RECORD.unlink(missing_ok=True)
        super().setUp()

    def opened(self, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if RECORD.exists() and RECORD.read_text().strip():
                return RECORD.read_text().splitlines()
            time.sleep(0.1)
        return []

    def link_colours(self, link, expected):
        """The link's colours once `expected` shows (painting follows input a moment later)."""
        deadline = time.monotonic() + 3
        while True:
            found = colours((link.x, link.y, link.width, link.height))
            if expected in found or time.monotonic() > deadline:
                return found
            time.sleep(0.1)

    def test_the_site_link_opens_through_the_shell_and_changes_colour(self):
        link = self.control("超级链接框1")
        self.assertEqual(link.text, f"{self.services.maker.host}/soft")
        self.assertIn(NORMAL, self.link_colours(link, NORMAL))
        self.driver("mouse", "move", link.x + link.width // 2, link.y + link.height // 2)
        hovered = self.link_colours(link, HOVER)
        self.assertIn(HOVER, hovered)
        self.assertNotIn(NORMAL, hovered)
        self.driver("mouse", "click", link.x + link.width // 2, link.y + link.height // 2)
        self.assertEqual(self.opened(), [f"http://{self.services.maker.host}/soft"])
        self.driver("mouse", "move", link.x + link.width // 2, link.y + link.height + 40)
        left = self.link_colours(link, OPENED)
        self.assertIn(OPENED, left)
        self.assertNotIn(NORMAL, left)

    def test_the_qq_link_falls_back_to_the_htm_handler(self):
        self.click("按钮3")
        about = self.wait_window("about")
        link = self.control("超级链接框2", "about")
        self.assertEqual(link.text, "10001(澜舟)")
        self.driver("mouse", "click", link.x + link.width // 2, link.y + link.height // 2)
        self.assertEqual(self.opened(), ["tencent://message/?uin=10001"])
        self.driver("mouse", "move", about.x + 20, about.y + about.height - 10)
        self.assertIn(OPENED, self.link_colours(link, OPENED))
        site = self.control("超级链接框1", "about")
        self.assertIn(NORMAL, self.link_colours(site, NORMAL))


if __name__ == "__main__":
    unittest.main(verbosity=2)
