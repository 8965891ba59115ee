#!/usr/bin/env python3
"""The skin the program carries, as it shows on the main window: the palette of
resources/skin/feijian.skin on page, buttons and group titles, and the program's own
colours kept where it sets them."""
import time
import unittest

from harness import ProgramTestCase, colours

# From the skin's source.
BACKGROUND, BUTTON, GROUP_TITLE = "ffffff", "eef3f8", "1d5a94"
COUNTER_RED, BUTTON_FACE = "ff0000", "f0f0f0"


class SkinTest(ProgramTestCase):
    def region(self, name, dx, dy, width, height):
        control = self.control(name)
        return colours((control.x + dx, control.y + dy, width, height))

    def dominant(self, counts):
        return max(counts, key=counts.get)

    def test_the_palette_shows_and_the_programs_own_colours_stay(self):
        time.sleep(1)  # every control painted
        # A strip of the page between the first two rows of the Fetion fields.
        page = self.region("分组框4", 10, 46, 180, 12)
        self.assertEqual(self.dominant(page), BACKGROUND)
        self.assertNotIn(BUTTON_FACE, page)
        self.assertEqual(self.dominant(self.region("按钮1", 4, 4, 12, 6)), BUTTON)
        self.assertIn(GROUP_TITLE, self.region("分组框3", 8, 0, 60, 14))
        self.assertIn(COUNTER_RED, self.region("标签4", 0, 5, 19, 17))


if __name__ == "__main__":
    unittest.main(verbosity=2)
