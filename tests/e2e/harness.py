"""What the end-to-end tests and the demo share: a build of the program pointed at the
fake services, the driver that works the program from outside, and a test fixture that
starts the program in a fresh run directory for every test."""
import json
import os
import re
import shutil
import subprocess
import sys
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests"))

from fakes.services import Services  # noqa: E402

BUILD = Path(os.environ.get("FEIJIAN_BUILD_ROOT", ROOT / "build"))
PROGRAM_BUILD = BUILD / "e2e"
RUNS = BUILD / "e2e-runs"
MAIN_TITLE = "澜舟飞笺 V1.3"


def gbk_hex(text):
    return (text.encode("gbk") if isinstance(text, str) else text).hex()


def from_hex(hex_text):
    return bytes.fromhex(hex_text).decode("gbk", errors="replace")


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def control_ids(header):
    """Names to window identifiers, read from a controls header: enumerators count up
    from the first one that is given a value."""
    ids = {}
    value = None
    for line in (ROOT / "ui" / header).read_text(encoding="utf-8").splitlines():
        match = re.match(r"\s*(\w+)(?:\s*=\s*(\d+))?,", line)
        if match:
            value = int(match.group(2)) if match.group(2) else value + 1
            ids[match.group(1)] = value
    return ids


MAIN_IDS = control_ids("MainWindowControls.h")
ABOUT_IDS = control_ids("AboutWindowControls.h")


def build_program(hosts, build_dir=PROGRAM_BUILD):
    """Configures and builds feijian.exe pointed at the given hosts; only what the hosts
    change is rebuilt."""
    cache = build_dir / "CMakeCache.txt"
    current = cache.read_text() if cache.exists() else ""
    configured = (build_dir / "build.ninja").exists()
    if not configured or not all(f"{name}:STRING={value}" in current for name, value in hosts.items()):
        subprocess.run(["cmake", "--preset", "win32", "-B", str(build_dir)]
                       + [f"-D{name}={value}" for name, value in hosts.items()],
                       cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(build_dir), "--target", "feijian"],
                   cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    return build_dir / "app" / "feijian.exe"


def start_services(build_dir=PROGRAM_BUILD):
    """The fake services, on the ports of the last run when they are free, so that the
    program need not be rebuilt."""
    ports_file = build_dir / "service-ports.json"
    preferred = json.loads(ports_file.read_text()) if ports_file.exists() else {}
    services = Services(preferred)
    build_dir.mkdir(parents=True, exist_ok=True)
    ports_file.write_text(json.dumps(services.ports()))
    return services


class DriverError(Exception):
    pass


class Driver:
    """The driver exe under Wine, one command per line."""

    def __init__(self):
        exe = os.environ.get("FEIJIAN_DRIVER") or str(BUILD / "win32" / "tests" / "driver" / "driver.exe")
        self._process = subprocess.Popen([str(ROOT / "scripts" / "wine-run.sh"), exe],
                                         stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                         stderr=subprocess.DEVNULL)

    def __call__(self, *words):
        line = " ".join(str(word) for word in words) + "\n"
        self._process.stdin.write(line.encode())
        self._process.stdin.flush()
        answer = self._process.stdout.readline().decode().rstrip("\r\n")
        if not answer.startswith("ok"):
            raise DriverError(f"{line.strip()}: {answer or 'driver ended'}")
        return answer[3:]

    def close(self):
        self._process.stdin.close()
        self._process.wait(timeout=10)


class Window:
    """A window or control as the driver describes it."""

    def __init__(self, description):
        parts = description.split(" ")
        self.handle = int(parts[0])
        self.class_name = parts[1]
        self.x, self.y, self.width, self.height = map(int, parts[2:6])
        self.client_x, self.client_y = int(parts[6]), int(parts[7])
        self.visible, self.enabled, self.minimised = (parts[i] == "1" for i in (8, 9, 10))
        self.style, self.ex_style = int(parts[11]) & 0xFFFFFFFF, int(parts[12]) & 0xFFFFFFFF
        self.id = int(parts[13])
        self.text = from_hex(parts[14]) if len(parts) > 14 else ""

    @property
    def rect(self):
        return (self.x, self.y, self.width, self.height)


def screenshot(path, crop=None):
    """Saves the screen (or a rectangle of it: x, y, width, height) as a PNG."""
    path = Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["import", "-window", "root", str(path)], check=True)
    if crop:
        x, y, width, height = crop
        subprocess.run(["convert", str(path), "-crop", f"{width}x{height}+{x}+{y}", "+repage", str(path)], check=True)
    return path


def colours(rect):
    """How often each colour ("rrggbb") occurs in a rectangle of the screen."""
    x, y, width, height = rect
    shot = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8", "txt:-"],
                          check=True, capture_output=True, text=True).stdout
    counts = {}
    for match in re.finditer(r"#([0-9A-F]{6})\b", shot):
        colour = match.group(1).lower()
        counts[colour] = counts.get(colour, 0) + 1
    return counts


def wine(*arguments):
    """Runs a Wine program of the prefix (reg, for example) and returns its output."""
    return subprocess.run([str(ROOT / "scripts" / "wine-run.sh"), *arguments], check=True,
                          capture_output=True).stdout.decode("utf-8", errors="replace")


class ProgramTestCase(unittest.TestCase):
    """Fake services and a program built for them per test class; the program starts in a
    fresh run directory for every test and is gone afterwards."""

    start_program = True

    @classmethod
    def setUpClass(cls):
        cls.services = start_services()
        cls.addClassCleanup(cls.services.stop)
        cls.exe = build_program(cls.services.hosts())
        cls.driver = Driver()
        cls.addClassCleanup(cls.driver.close)

    def setUp(self):
        self.services.reset()
        self.run_dir = RUNS / self.id().split(".", 2)[-1]
        shutil.rmtree(self.run_dir, ignore_errors=True)
        self.run_dir.mkdir(parents=True)
        shutil.copy(self.exe, self.run_dir / "feijian.exe")
        self.addCleanup(self.driver, "kill")
        if self.start_program:
            self.launch()

    def launch(self, run_dir=None):
        run_dir = run_dir or self.run_dir
        self.driver("launch", gbk_hex(windows_path(run_dir / "feijian.exe")), gbk_hex(windows_path(run_dir)))
        return self.wait_window("main")

    # The program's windows and controls.
    def wait_window(self, which, timeout=10):
        return Window(self.driver("wait", which, int(timeout * 1000)))

    def window(self, which="main"):
        return Window(self.driver("window", which))

    def control(self, name, which="main"):
        ids = MAIN_IDS if which == "main" else ABOUT_IDS
        return Window(self.driver("control", which, ids[name]))

    def set_text(self, name, text):
        """Puts text into a control as a program would (WM_SETTEXT); in an edit box the
        caret then goes to the end, where typing would continue."""
        self.driver("set-text", "main", MAIN_IDS[name], gbk_hex(text))

    def get_text(self, name, which="main"):
        ids = MAIN_IDS if which == "main" else ABOUT_IDS
        return from_hex(self.driver("get-text", which, ids[name]))

    def click(self, name):
        self.driver("click", "main", MAIN_IDS[name])

    def type_char(self, name, code):
        self.driver("char", "main", MAIN_IDS[name], code)

    def fill(self, **fields):
        for name, text in fields.items():
            self.set_text(name, text)

    # Message boxes.
    def box(self, timeout=10):
        """(title, text, has_icon) of the program's message box once it shows."""
        title, text, icon = self.driver("box", int(timeout * 1000)).split(" ")
        return from_hex(title), from_hex(text), icon == "1"

    def dismiss(self):
        self.driver("dismiss")

    def expect_box(self, text, title="信息：", icon=False, timeout=10):
        shown = self.box(timeout)
        self.dismiss()
        self.assertEqual(shown, (title, text, icon))

    def no_box(self, wait=0.5):
        time.sleep(wait)
        with self.assertRaises(DriverError):
            self.driver("wait", "box", 0)

    def exit_code(self, timeout=10):
        return int(self.driver("exit", int(timeout * 1000)))
