"""Fake outside services on 127.0.0.1 for the demo and the end-to-end tests: the Fetion
relay, the connectivity probe, the international SMS form, the free-call page and the
maker's statistics page. Every server records the raw bytes of each request it gets and
answers by a behaviour that a test can change at any time."""
import secrets
import socket
import string
import threading
import time
import urllib.parse
from dataclasses import dataclass, field


@dataclass
class Request:
    raw: bytes
    method: str
    target: str
    version: str
    headers: list  # (name, value) in the order received
    body: bytes

    @property
    def path(self):
        return self.target.split("?", 1)[0]

    def header(self, name):
        for key, value in self.headers:
            if key.lower() == name.lower():
                return value
        return None

    def query(self):
        """The query's values decoded as a standard server does, as raw bytes."""
        query = self.target.split("?", 1)[1] if "?" in self.target else ""
        return {k: v.encode("latin-1") for k, v in urllib.parse.parse_qsl(query, keep_blank_values=True, encoding="latin-1")}

    def form(self):
        return {k: v.encode("latin-1") for k, v in urllib.parse.parse_qsl(self.body.decode("latin-1"), keep_blank_values=True, encoding="latin-1")}


# Behaviours: what a server does with a request once it has read it.
@dataclass
class Answer:
    body: bytes = b""
    status: str = "200 OK"
    headers: list = field(default_factory=lambda: [("Content-Type", "text/html")])
    content_length: bool = True


@dataclass
class Drip:
    """Sends the body a piece at a time with a pause between pieces."""
    body: bytes
    piece: int = 64
    pause: float = 0.05


@dataclass
class CloseMidBody:
    """States a longer Content-Length than it sends, then closes."""
    body: bytes
    stated_length: int


@dataclass
class Chunked:
    chunks: list


@dataclass
class Redirect:
    location: str


class Stall:
    """Accepts and reads the request, then never answers (until the server stops)."""


class Reset:
    """Closes the connection without a word."""


def _read_request(connection):
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = connection.recv(65536)
        if not chunk:
            return None
        data += chunk
    head, _, rest = data.partition(b"\r\n\r\n")
    lines = head.split(b"\r\n")
    method, target, version = (lines[0].decode("latin-1").split(" ", 2) + ["", ""])[:3]
    headers = []
    for line in lines[1:]:
        name, _, value = line.decode("latin-1").partition(":")
        headers.append((name.strip(), value.strip()))
    length = next((int(v) for k, v in headers if k.lower() == "content-length"), 0)
    while len(rest) < length:
        chunk = connection.recv(65536)
        if not chunk:
            break
        rest += chunk
    body = rest[:length]
    return Request(head + b"\r\n\r\n" + body, method, target, version, headers, body)


class FakeServer:
    """A minimal HTTP/1.x server: one request per connection, answered by `respond`."""

    def __init__(self, name, respond, port=0):
        self.name = name
        self.respond = respond
        self.requests = []
        self._lock = threading.Lock()
        self.port = port
        self._listen()

    def _listen(self):
        self._stopping = threading.Event()
        self._socket = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self._socket.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self._socket.bind(("127.0.0.1", self.port))
        self._socket.listen(64)
        self.port = self._socket.getsockname()[1]
        threading.Thread(target=self._accept, args=(self._socket, self._stopping), daemon=True).start()

    @property
    def host(self):
        return f"127.0.0.1:{self.port}"

    def recorded(self):
        with self._lock:
            return list(self.requests)

    def clear(self):
        with self._lock:
            self.requests.clear()

    def reset(self):
        """Back to the default behaviour."""

    def wait_for_request(self, timeout, predicate=lambda request: True):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for request in self.recorded():
                if predicate(request):
                    return request
            time.sleep(0.02)
        return None

    def stop(self):
        """Stops listening (connections are refused) and releases stalled answers."""
        self._stopping.set()
        try:
            self._socket.shutdown(socket.SHUT_RDWR)  # wakes the thread blocked in accept()
        except OSError:
            pass
        self._socket.close()

    def start_again(self):
        """Listens again on the same port after stop()."""
        self._listen()

    def _accept(self, listener, stopping):
        while not stopping.is_set():
            try:
                connection, _ = listener.accept()
            except OSError:
                return
            threading.Thread(target=self._serve, args=(connection,), daemon=True).start()

    def _serve(self, connection):
        with connection:
            try:
                request = _read_request(connection)
                if request is None:
                    return
                with self._lock:
                    self.requests.append(request)
                self._send(connection, self.respond(request))
            except OSError:
                pass

    def _send(self, connection, behaviour):
        if isinstance(behaviour, Stall):
            self._stopping.wait()
            return
        if isinstance(behaviour, Reset):
            connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, b"\x01\x00\x00\x00\x00\x00\x00\x00")
            return
        if isinstance(behaviour, Redirect):
            connection.sendall(f"HTTP/1.1 302 Found\r\nLocation: {behaviour.location}\r\nContent-Length: 0\r\nConnection: close\r\n\r\n".encode())
            return
        if isinstance(behaviour, Chunked):
            head = b"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
            body = b"".join(b"%x\r\n%s\r\n" % (len(c), c) for c in behaviour.chunks) + b"0\r\n\r\n"
            connection.sendall(head + body)
            return
        if isinstance(behaviour, CloseMidBody):
            connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: %d\r\nConnection: close\r\n\r\n" % behaviour.stated_length + behaviour.body)
            return
        if isinstance(behaviour, Drip):
            connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: %d\r\nConnection: close\r\n\r\n" % len(behaviour.body))
            for i in range(0, len(behaviour.body), behaviour.piece):
                if self._stopping.wait(behaviour.pause):
                    return
                connection.sendall(behaviour.body[i:i + behaviour.piece])
            return
        headers = list(behaviour.headers)
        if behaviour.content_length:
            headers.append(("Content-Length", str(len(behaviour.body))))
        headers.append(("Connection", "close"))
        head = f"HTTP/1.1 {behaviour.status}\r\n" + "".join(f"{k}: {v}\r\n" for k, v in headers) + "\r\n"
        connection.sendall(head.encode("latin-1") + behaviour.body)


class Relay(FakeServer):
    """The Fetion relay: answers every request with the current behaviour, by default
    the six bytes of a message sent."""

    def __init__(self, port=0):
        self.reset()
        super().__init__("relay", lambda request: self.behaviour, port)

    def reset(self):
        self.behaviour = Answer(b"SENDOK")


class Form(FakeServer):
    """The international SMS form. GET / opens a session (a cookie) with a captcha of its
    own; POST / sends only when the session's captcha was typed, and then quotes the number."""

    CAPTCHA_LETTERS = string.ascii_lowercase + string.digits

    def __init__(self, port=0):
        self.sessions = {}  # session id -> captcha
        self.reset()
        super().__init__("form", self._respond, port)

    def reset(self):
        # None: the real form's answer; a behaviour; or a list of behaviours used in turn.
        self.post_behaviour = None

    def captcha(self):
        """The captcha of the newest session."""
        return list(self.sessions.values())[-1] if self.sessions else None

    def _respond(self, request):
        if request.method == "POST":
            if isinstance(self.post_behaviour, list):
                return self.post_behaviour.pop(0) if self.post_behaviour else self._post(request)
            return self.post_behaviour or self._post(request)
        if request.path != "/":
            return Answer(b"not found", "404 Not Found")
        session = secrets.token_hex(8)
        self.sessions[session] = "".join(secrets.choice(self.CAPTCHA_LETTERS) for _ in range(4))
        page = (b"<html><head><title>International SMS</title></head><body style='margin:0'>"
                b"<form method='post' action='/'>"
                b"<div style='position:absolute;left:322px;top:680px;width:120px;height:32px'>"
                b"<img src='/captcha.png' onclick='location.reload()' width='120' height='32'></div>"
                b"</form></body></html>")
        return Answer(page, headers=[("Content-Type", "text/html"), ("Set-Cookie", f"SID={session}; Path=/")])

    def _post(self, request):
        cookies = dict(part.strip().split("=", 1) for part in (request.header("Cookie") or "").split(";") if "=" in part)
        form = request.form()
        expected = self.sessions.get(cookies.get("SID", ""))
        number = form.get("phonenumber", b"")
        if expected is not None and form.get("verify", b"").decode("latin-1").lower() == expected:
            return Answer(b"<html><body>Your message to +" + number + b" has been sent.</body></html>")
        return Answer(b"<html><body>Wrong verification code, please try again.</body></html>")


class Pages(FakeServer):
    """A site of static pages: the probe's home page, the free-call page, the statistics page."""

    def __init__(self, name, pages, port=0):
        self.pages = pages
        super().__init__(name, lambda request: Answer(self.pages.get(request.path, b"<html>page</html>")), port)


class Services:
    """All five services, each on its own loopback port (the preferred ones when free)."""

    NAMES = ("relay", "form", "call", "maker", "probe")

    def __init__(self, preferred_ports=None):
        preferred = preferred_ports or {}
        self.relay = self._start(Relay, preferred.get("relay"))
        self.form = self._start(Form, preferred.get("form"))
        self.call = self._start(lambda port=0: Pages("call", {"/FreeCall-en_US.swf": b"FWS\x09"}, port), preferred.get("call"))
        self.maker = self._start(lambda port=0: Pages("maker", {"/soft/message/message_tj.html": b"<html>stats</html>"}, port), preferred.get("maker"))
        self.probe = self._start(lambda port=0: Pages("probe", {"/": b"<html>home</html>"}, port), preferred.get("probe"))

    @staticmethod
    def _start(make, port):
        if port:
            try:
                return make(port)
            except OSError:
                pass
        return make(0)

    def reset(self):
        """Forgets the requests and restores every default behaviour."""
        for name in self.NAMES:
            server = getattr(self, name)
            server.clear()
            server.reset()

    def ports(self):
        return {name: getattr(self, name).port for name in self.NAMES}

    def hosts(self):
        """The build settings that point the program at these services."""
        return {f"{name.upper()}_HOST": getattr(self, name).host for name in self.NAMES}

    def stop(self):
        for name in self.NAMES:
            getattr(self, name).stop()
