#!/usr/bin/env python3
"""Sending through the Fetion relay: the checks before a send, what reaches the relay
byte for byte, and how every kind of answer, or none, is reported."""
import time
import unittest
import urllib.parse

from harness import ProgramTestCase
from fakes.services import Answer, Reset, Stall  # noqa: E402 (harness puts tests/ on the path)

SENT = "信息发送成功"
FAILED = "飞信号码或密码或对方手机号错误，又或许您未在飞信注册或者对方不是您飞信好友"
FIELDS = {"编辑框1": "13800138000", "编辑框2": "secret", "编辑框3": "13900139000", "编辑框4": "hello"}


class FetionSendTest(ProgramTestCase):
    def send(self, **fields):
        self.fill(**{**FIELDS, **fields})
        self.click("按钮1")

    def test_the_first_empty_field_is_reported_and_nothing_is_sent(self):
        cases = [
            ([], "请正确输入飞信手机号", "飞信号码错误"),
            (["编辑框1"], "请正确输入飞信密码", "密码错误"),
            (["编辑框1", "编辑框2"], "请正确输入对方手机号", "手机号码错误"),
            (["编辑框1", "编辑框2", "编辑框3"], "发送内容不能为空", "内容不能为空"),
        ]
        for filled, text, title in cases:
            with self.subTest(text):
                for name in FIELDS:
                    self.set_text(name, FIELDS[name] if name in filled else "")
                self.click("按钮1")
                self.expect_box(text, title)
        self.assertEqual(self.services.relay.recorded(), [])
        self.assertEqual(self.services.probe.recorded(), [])

    def test_offline_is_reported_and_the_relay_is_not_asked(self):
        self.services.probe.stop()
        try:
            self.send()
            self.expect_box("网络未连接，或网络不通", "错误")
        finally:
            self.services.probe.start_again()
        self.assertEqual(self.services.relay.recorded(), [])

    def test_the_outcome_follows_the_length_of_the_answer(self):
        cases = [
            (Answer(b"123456"), SENT),
            (Answer("成功!!".encode("gbk")), SENT),  # six bytes of any content
            (Answer(b"12345"), FAILED),
            (Answer(b"1234567"), FAILED),
            (Answer(b""), FAILED),
            (Answer(b"abc\x00ef"), FAILED),  # only the bytes before a NUL count
            (Answer(b"abcdef\x00gh"), SENT),
            (Answer(b"123456", status="500 Internal Server Error"), SENT),  # status is not looked at
            (Answer(b"<html>Not Found</html>", status="404 Not Found"), FAILED),
            (Reset(), FAILED),
        ]
        for behaviour, expected in cases:
            with self.subTest(behaviour=behaviour):
                self.services.relay.behaviour = behaviour
                self.send()
                self.expect_box(expected, icon=True)

    def test_every_field_reaches_the_relay_byte_for_byte(self):
        fields = {
            "编辑框1": " 138 0013 8000",
            "编辑框2": "p&ss=w#rd+%41",
            "编辑框3": "+86 139",
            "编辑框4": "你好 world & friends #1 + 100% = done\t!",
        }
        self.send(**fields)
        self.expect_box("信息发送成功", icon=True)
        (request,) = self.services.relay.recorded()
        self.assertEqual(request.method, "GET")
        self.assertEqual(request.version, "HTTP/1.0")
        self.assertTrue(request.target.startswith("/message/fetion/fetion.php?username="))
        query = request.target.split("?", 1)[1]
        self.assertEqual([key for key, _ in urllib.parse.parse_qsl(query)], ["username", "password", "to", "message"])
        self.assertEqual(request.query(), {
            "username": fields["编辑框1"].encode("gbk"),
            "password": fields["编辑框2"].encode("gbk"),
            "to": fields["编辑框3"].encode("gbk"),
            "message": fields["编辑框4"].encode("gbk"),
        })
        self.assertEqual(request.header("Accept"), "*/*")
        self.assertEqual(request.header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)")

    def test_typed_characters_are_sent_including_the_password(self):
        self.fill(**{**FIELDS, "编辑框2": ""})
        for code in b"pw 1":
            self.type_char("编辑框2", code)
        self.click("按钮1")
        self.expect_box(SENT, icon=True)
        self.assertEqual(self.services.relay.recorded()[0].query()["password"], b"pw 1")

    def test_odd_input_gives_one_of_the_boxes(self):
        cases = {
            "only spaces": {"编辑框1": " ", "编辑框2": " ", "编辑框3": " ", "编辑框4": " "},
            "160 bytes of Chinese": {"编辑框4": "短信" * 40},
            "control characters": {"编辑框4": "a\x01b\x7fc\r\nd"},
            "long fields": {"编辑框1": "1" * 300, "编辑框3": "9" * 300},
        }
        for case, fields in cases.items():
            with self.subTest(case):
                self.services.relay.clear()
                self.send(**fields)
                self.expect_box(SENT, icon=True)
                query = self.services.relay.recorded()[0].query()
                self.assertEqual(query["message"], {**FIELDS, **fields}["编辑框4"].encode("gbk"))

    def test_a_relay_that_is_down_fails_at_once(self):
        self.services.relay.stop()
        try:
            self.send()
            self.expect_box(FAILED, icon=True, timeout=5)
        finally:
            self.services.relay.start_again()

    def test_a_relay_that_never_answers_fails_after_the_receive_time_out(self):
        self.services.relay.behaviour = Stall()
        started = time.monotonic()
        self.send()
        self.expect_box(FAILED, icon=True, timeout=90)
        waited = time.monotonic() - started
        print(f"\nno answer from the relay: the failure box after {waited:.1f} s")
        self.services.relay.stop()  # releases the stalled connection
        self.services.relay.start_again()


if __name__ == "__main__":
    unittest.main(verbosity=2)
