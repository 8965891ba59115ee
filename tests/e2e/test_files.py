#!/usr/bin/env python3
"""The two files the program carries: written hidden beside it at start, removed as far
as they can be at the end; and the statistics page that the hidden browser opens."""
import os
import unittest

from harness import PROGRAM_BUILD, ProgramTestCase, gbk_hex, windows_path

HIDDEN = 0x2
UP, RETURN = 0x26, 0x0D
WM_RBUTTONUP = 0x0205


class EmbeddedFilesTest(ProgramTestCase):
    def attributes(self, name):
        return self.driver("attributes", gbk_hex(windows_path(self.run_dir / name)))

    def assert_hidden_alone(self, name):
        """What the program set, as Wine stores it; Wine reports "archive" on top of that
        for every file it is asked about."""
        self.assertEqual(os.getxattr(self.run_dir / name, "user.DOSATTRIB"), b"0x2")
        self.assertTrue(int(self.attributes(name)) & HIDDEN)

    def test_both_files_lie_beside_the_program_hidden_with_the_embedded_bytes(self):
        embedded = {
            "pfdel.dll": (PROGRAM_BUILD / "resources" / "SkinH_EL.dll").read_bytes(),
            "skinh.she": (PROGRAM_BUILD / "skin" / "skinh.she").read_bytes(),
        }
        for name, content in embedded.items():
            with self.subTest(name):
                self.assertEqual((self.run_dir / name).read_bytes(), content)
                self.assert_hidden_alone(name)
        self.assertEqual(embedded["skinh.she"][:5], b".SHE\x00")

    def test_the_statistics_page_is_requested_at_start(self):
        request = self.services.maker.wait_for_request(10)
        self.assertIsNotNone(request)
        self.assertEqual((request.method, request.path), ("GET", "/soft/message/message_tj.html"))

    def test_closing_the_window_removes_the_skin_but_not_the_loaded_engine(self):
        self.driver("close", "main")
        self.assertEqual(self.exit_code(), 0)
        self.assertEqual(self.attributes("skinh.she"), "missing")
        self.assert_hidden_alone("pfdel.dll")

    def test_the_tray_menus_exit_removes_the_same_files_without_closing_the_window(self):
        icons = int(self.driver("tray-icons"))
        self.driver("cursor", 600, 400)
        self.driver("post-tray", WM_RBUTTONUP)
        self.wait_window("menu", 5)
        self.driver("key", "menu", 0, UP)
        self.driver("key", "menu", 0, RETURN)
        self.assertEqual(self.exit_code(), 0)
        self.assertEqual(self.attributes("skinh.she"), "missing")
        self.assert_hidden_alone("pfdel.dll")
        # The windows were never destroyed: the tray icon, removed only then, is still there.
        self.assertEqual(int(self.driver("tray-icons")), icons)


if __name__ == "__main__":
    unittest.main(verbosity=2)
