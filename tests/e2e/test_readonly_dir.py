#!/usr/bin/env python3
"""Started from a directory it cannot write to, with no skin engine there, the program
reports the missing engine in its error box and ends with -1 before opening any page.
Wine ignores Linux permissions for root, so the prefix's server runs here without the
capabilities that override them."""
import os
import shutil
import subprocess
import unittest

from harness import RUNS, Driver, build_program, gbk_hex, from_hex, start_services, windows_path

DROPPED = "-dac_override,-dac_read_search,-fowner"


def restart_wineserver(*prefix):
    """A new persistent server must not hold the test's output open: ctest would wait for
    it to end."""
    quiet = {"stdin": subprocess.DEVNULL, "stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    subprocess.run(["wineserver", "-k"], check=False, **quiet)
    subprocess.run([*prefix, "wineserver", "-p"], check=True, **quiet)
    # Wine's background services, started now so that no test's pipes are held by them.
    subprocess.run(["wine", "cmd", "/c", "exit"], env={**os.environ, "LC_ALL": "zh_CN.UTF-8"},
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class ReadOnlyDirectoryTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.services = start_services()
        cls.addClassCleanup(cls.services.stop)
        cls.exe = build_program(cls.services.hosts())
        restart_wineserver("setpriv", f"--inh-caps={DROPPED}", f"--bounding-set={DROPPED}")
        cls.addClassCleanup(restart_wineserver)
        cls.driver = Driver()
        cls.addClassCleanup(cls.driver.close)

    def setUp(self):
        self.run_dir = RUNS / "read-only"
        if self.run_dir.exists():
            self.run_dir.chmod(0o755)
            shutil.rmtree(self.run_dir)
        self.run_dir.mkdir(parents=True)
        shutil.copy(self.exe, self.run_dir / "feijian.exe")
        self.run_dir.chmod(0o555)
        self.addCleanup(self.run_dir.chmod, 0o755)
        self.addCleanup(self.driver, "kill")

    def test_the_missing_engine_is_fatal(self):
        probe = self.run_dir / "probe.tmp"
        self.assertEqual(self.driver("create-file", gbk_hex(windows_path(probe))), "0",
                         "the directory must not be writable for this test")
        self.driver("launch", gbk_hex(windows_path(self.run_dir / "feijian.exe")), gbk_hex(windows_path(self.run_dir)))
        title, text, icon = self.driver("box", 15000).split(" ")
        self.driver("dismiss")
        self.assertEqual(from_hex(title), "错误")
        self.assertIn("pfdel.dll", from_hex(text))
        self.assertIn("SkinH_Attach", from_hex(text))
        self.assertEqual(icon, "1")
        self.assertEqual(int(self.driver("exit", 10000)), -1)
        self.assertEqual(sorted(p.name for p in self.run_dir.iterdir()), ["feijian.exe"])
        self.assertEqual(self.services.maker.recorded(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
