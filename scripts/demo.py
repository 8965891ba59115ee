#!/usr/bin/env python3
"""The demo behind `make run`: the fake services on loopback and the program under Wine,
built to use them. On the user's display the user works with the program and the demo
ends when its window closes. Without a display it runs in Xvfb, sends a message through
the Fetion relay as a user would, saves screenshots under build/demo and prints what the
relay received."""
import os
import shutil
import sys
import time
import urllib.parse
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from harness import BUILD, MAIN_IDS, Driver, Window, build_program, from_hex, gbk_hex, screenshot, start_services, windows_path  # noqa: E402

DEMO = BUILD / "demo"
MESSAGE = "你好！澜舟飞笺 demo: 1+1=2 & more"


def describe(request):
    values = {key: value.decode("gbk", errors="replace") for key, value in request.query().items()}
    return f"{request.method} {urllib.parse.unquote(request.path)} {values}"


def show_new_requests(services, seen):
    for name in ("relay", "form"):
        server = getattr(services, name)
        for request in server.recorded()[seen.get(name, 0):]:
            line = describe(request) if name == "relay" else f"{request.method} {request.target} {request.body[:120]!r}"
            print(f"  {name} received: {line}", flush=True)
        seen[name] = len(server.recorded())


def union(*windows):
    left = min(w.x for w in windows)
    top = min(w.y for w in windows)
    right = max(w.x + w.width for w in windows)
    bottom = max(w.y + w.height for w in windows)
    return (left, top, right - left, bottom - top)


def scripted(driver, services):
    fields = {"编辑框1": "13800138000", "编辑框2": "secret", "编辑框3": "13900139000", "编辑框4": MESSAGE}
    for name, text in fields.items():
        driver("set-text", "main", MAIN_IDS[name], gbk_hex(text))
    main = Window(driver("window", "main"))
    time.sleep(1)  # lets every control paint
    shots = [screenshot(DEMO / "main-window.png", main.rect)]
    driver("click", "main", MAIN_IDS["按钮1"])
    title, text, _ = driver("box", 30000).split(" ")
    print(f"message box: {from_hex(title)} {from_hex(text)}")
    time.sleep(0.3)
    shots.append(screenshot(DEMO / "result-box.png", union(main, Window(driver("window", "box")))))
    driver("dismiss")
    driver("key", "main", MAIN_IDS["选择夹1"], 0x27)  # right arrow: the second tab
    time.sleep(0.5)
    shots.append(screenshot(DEMO / "second-tab.png", main.rect))
    driver("close", "main")
    code = int(driver("exit", 10000))
    for shot in shots:
        print(f"screenshot: {shot}")
    return code


def main():
    services = start_services(DEMO)
    exe = build_program(services.hosts(), DEMO)
    run_dir = DEMO / "run"
    shutil.rmtree(run_dir, ignore_errors=True)
    run_dir.mkdir(parents=True)
    shutil.copy(exe, run_dir / "feijian.exe")
    print("fake services on loopback:", ", ".join(f"{k}={v}" for k, v in services.hosts().items()))
    driver = Driver()
    driver("launch", gbk_hex(windows_path(run_dir / "feijian.exe")), gbk_hex(windows_path(run_dir)))
    driver("wait", "main", 30000)
    seen = {}
    try:
        if os.environ.get("FEIJIAN_PRIVATE_DISPLAY"):
            code = scripted(driver, services)
        else:
            print("the program is running; close its window to end the demo")
            captcha = None
            while True:
                show_new_requests(services, seen)
                if services.form.captcha() != captcha:
                    captcha = services.form.captcha()
                    print(f"  the form's captcha is now: {captcha}", flush=True)
                try:
                    code = int(driver("exit", 500))
                    break
                except Exception:
                    continue
        show_new_requests(services, seen)
        print(f"the program ended with exit code {code}")
        return 0 if code == 0 else 1
    finally:
        driver("kill")
        driver.close()
        services.stop()


if __name__ == "__main__":
    sys.exit(main())
