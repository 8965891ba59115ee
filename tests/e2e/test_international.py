#!/usr/bin/env python3
"""Sending worldwide through the web form: the captcha session that the clipped browser
opens and the program's POST shares, the exact request, and how answers of every shape,
or none, are judged."""
import time
import unittest

from harness import MAIN_IDS, ProgramTestCase
from fakes.services import Answer, Chunked, CloseMidBody, Drip, Redirect, Stall  # noqa: E402

FIELDS = {"编辑框6": "86", "编辑框3": "13800000000", "编辑框4": "hi", "编辑框5": "ab12"}
ACCEPT = ("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
          "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*")
FAILED = "发送失败"


def sent_to(number):
    return "短信已经发送到" + number


class InternationalSendTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        # The clipped browser opens the form's session as the window is created.
        self.assertIsNotNone(self.services.form.wait_for_request(10, lambda r: r.method == "GET"))
        self.captcha = self.services.form.captcha()

    def send(self, **fields):
        self.fill(**{**FIELDS, "编辑框5": self.captcha, **fields})
        self.click("按钮2")

    def posts(self):
        return [r for r in self.services.form.recorded() if r.method == "POST"]

    def test_the_first_empty_field_is_reported_and_nothing_is_sent(self):
        cases = [
            ("编辑框6", "请正确输入国家代码", "国家代码不能为空"),
            ("编辑框3", "请正确输入对方手机号", "手机号码错误"),
            ("编辑框4", "发送内容不能为空", "内容不能为空"),
            ("编辑框5", "请正确输入验证码", "验证码不能为空"),
        ]
        self.fill(**{name: "" for name in FIELDS})
        self.click("按钮2")
        self.expect_box("请正确输入国家代码", "国家代码不能为空")
        for empty, text, title in cases:
            with self.subTest(empty):
                self.fill(**{**FIELDS, empty: ""})
                self.click("按钮2")
                self.expect_box(text, title)
        self.assertEqual(self.posts(), [])

    def test_the_typed_captcha_of_the_browsers_session_sends(self):
        self.send()
        self.expect_box(sent_to("13800000000"))
        (post,) = self.posts()
        page_request = self.services.form.recorded()[0]
        # The session was opened by the browser control's own request (its user agent,
        # not the program's), and the program's POST carries that session's cookie.
        self.assertIn("Trident", page_request.header("User-Agent"))
        self.assertEqual(post.header("Cookie"), f"SID={list(self.services.form.sessions)[-1]}")

    def test_a_wrong_captcha_fails(self):
        self.send(编辑框5="zzzz" if self.captcha != "zzzz" else "yyyy")
        self.expect_box(FAILED)

    def test_the_request_on_the_wire(self):
        self.send()
        self.expect_box(sent_to("13800000000"))
        (post,) = self.posts()
        self.assertEqual(post.raw.split(b"\r\n", 1)[0], b"POST / HTTP/1.1")
        ours = [(k, v) for k, v in post.headers
                if k in ("Accept", "Referer", "Accept-Language", "Content-Type", "Content-Length")]
        body = f"phonenumber=8613800000000&submit_btn=Send&message=hi&verify={self.captcha}".encode()
        self.assertEqual(ours, [
            ("Accept", ACCEPT),
            ("Referer", f"http://{self.services.form.host}/"),
            ("Accept-Language", "zh-cn"),
            ("Content-Type", "application/x-www-form-urlencoded"),
            ("Content-Length", str(len(body))),
        ])
        self.assertEqual(post.body, body)
        self.assertEqual(post.header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)")

    def test_field_values_are_escaped_and_decoded_byte_for_byte(self):
        fields = {"编辑框6": "+86", "编辑框3": "138 0000&0000", "编辑框4": "你好 a+b=c#d%e"}
        self.send(**fields)
        self.expect_box(sent_to("138 0000&0000"))
        form = self.posts()[0].form()
        self.assertEqual(form["phonenumber"], "+86138 0000&0000".encode())
        self.assertEqual(form["message"], fields["编辑框4"].encode("gbk"))
        self.assertEqual(list(form), ["phonenumber", "submit_btn", "message", "verify"])

    def test_answers_of_every_shape_are_judged_by_their_content(self):
        number = FIELDS["编辑框3"].encode()
        big = b"x" * (5 * 1024 * 1024) + b" sent to " + number
        cases = [
            ("an error page quoting the number", Answer(b"Error: " + number + b" is blocked", "500 Error"), True),
            ("several megabytes, the number last", Answer(big), True),
            ("closed in the middle, number before", CloseMidBody(b"to " + number + b" and", 5000), True),
            ("closed in the middle, number after", CloseMidBody(b"partial", 5000), False),
            ("dripped slowly", Drip(b"sent to " + number + b".", piece=3, pause=0.05), True),
            ("chunked", Chunked([b"sent ", b"to ", number]), True),
            ("an empty answer", Answer(b""), False),
        ]
        for case, behaviour, sent in cases:
            with self.subTest(case):
                self.services.form.post_behaviour = behaviour
                self.send()
                self.expect_box(sent_to("13800000000") if sent else FAILED, timeout=30)

    def test_a_redirect_is_followed(self):
        self.services.form.post_behaviour = Redirect(f"http://{self.services.maker.host}/done")
        self.services.maker.pages["/done"] = b"delivered to 13800000000"
        try:
            self.send()
            self.expect_box(sent_to("13800000000"))
        finally:
            del self.services.maker.pages["/done"]
        self.assertEqual(self.services.maker.recorded()[-1].path, "/done")

    def test_an_unreachable_form_fails_at_once(self):
        self.services.form.stop()
        try:
            self.send()
            self.expect_box(FAILED, timeout=5)
        finally:
            self.services.form.start_again()

    def test_a_form_that_never_answers_fails_after_18_seconds_and_queued_input_is_handled(self):
        self.services.form.post_behaviour = Stall()
        started = time.monotonic()
        self.send()
        time.sleep(2)
        # Input while the request waits: the window handles it at the next read cycle.
        self.driver("key", "main", MAIN_IDS["选择夹1"], 0x27)
        self.expect_box(FAILED, timeout=60)
        print(f"\nno answer from the form: the failure box after {time.monotonic() - started:.1f} s")
        self.assertTrue(self.control("超文本浏览框3").visible)
        self.services.form.stop()  # releases the stalled connection
        self.services.form.start_again()

    def test_a_second_click_during_a_slow_answer_sends_again_and_both_finish(self):
        number = FIELDS["编辑框3"].encode()
        self.services.form.post_behaviour = [Drip(b"sent to " + number, piece=1, pause=0.2),
                                             Answer(b"again to " + number)]
        self.send()
        self.assertIsNotNone(self.services.form.wait_for_request(10, lambda r: r.method == "POST"))
        time.sleep(0.5)
        self.click("按钮2")
        # The nested send ends first; the outer one goes on reading after it.
        self.expect_box(sent_to("13800000000"), timeout=20)
        self.expect_box(sent_to("13800000000"), timeout=20)
        self.assertEqual(len(self.posts()), 2)


if __name__ == "__main__":
    unittest.main(verbosity=2)
