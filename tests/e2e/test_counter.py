#!/usr/bin/env python3
"""The red counter over the message box: every queued character runs the handler first,
which refuses codes from 123 up and shows 159 minus the escaped length of the text
before the character."""
import unittest

from harness import ProgramTestCase

BACKSPACE = 8


class CounterTest(ProgramTestCase):
    def type(self, codes):
        for code in codes:
            self.type_char("编辑框4", code)
        self.driver("sleep", 100)

    def state(self):
        return self.get_text("标签4"), self.get_text("编辑框4")

    def test_each_key_counts_the_text_before_it(self):
        cases = [
            # (text already in the box, keys typed, label, box afterwards)
            ("", b"a", "159", "a"),
            ("", b"ab", "158", "ab"),
            ("ab", b" ", "157", "ab "),
            ("ab", b" x", "154", "ab x"),  # the space counts three
            ("abc", [BACKSPACE], "156", "ab"),
            ("a+b", b"c", "154", "a+bc"),
            ("短", b"x", "153", "短x"),  # a Chinese character counts six
            (" " * 160, b"z", "-321", " " * 160),  # the box is full: the key only counts
        ]
        for before, keys, label, after in cases:
            with self.subTest(before=before, keys=keys):
                self.set_text("编辑框4", before)
                self.type(keys)
                self.assertEqual(self.state(), (label, after))

    def test_codes_from_123_up_are_refused_and_leave_the_label(self):
        self.set_text("编辑框4", "ab")
        self.set_text("标签4", "160")
        for code in (ord("{"), ord("|"), ord("}"), ord("~"), 127, 0xB6, 0xCC, 255):
            with self.subTest(code=code):
                self.type([code])
                self.assertEqual(self.state(), ("160", "ab"))

    def test_a_full_box_refuses_the_next_letter_after_counting_it(self):
        self.type(b"a" * 160)
        self.assertEqual(self.state(), ("0", "a" * 160))
        self.type(b"b")
        self.assertEqual(self.state(), ("-1", "a" * 160))

    def test_text_put_in_without_keys_raises_nothing(self):
        self.set_text("编辑框4", "hello world")
        self.driver("sleep", 100)
        self.assertEqual(self.get_text("标签4"), "160")


if __name__ == "__main__":
    unittest.main(verbosity=2)
