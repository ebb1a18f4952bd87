#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The panel as a screen reader finds it: the real program, its drop-down opened by a second
start, read through the AT-SPI bus. Run inside a virtual screen and a private session bus:
panel_at_spi.py <quintaval> <statusbar-host>."""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

quintaval, host = sys.argv[1], sys.argv[2]
home = tempfile.mkdtemp(prefix="quintaval-atspi-")
environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
                   XDG_RUNTIME_DIR=home, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   QT_ACCESSIBILITY="1", LC_ALL="C.UTF-8", LANGUAGE="en")
os.chmod(home, 0o700)
launcher = next(path for path in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                if os.path.exists(path))
started = [subprocess.Popen([launcher, "--launch-immediately"], env=environment)]
time.sleep(1)
started.append(subprocess.Popen([host], env=environment))
time.sleep(1)
started.append(subprocess.Popen([quintaval], env=environment))
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def find_application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is not None and application.name.lower() == "quintaval":
                return application
        time.sleep(0.1)
    return None


def panel_of(application):
    for window in application:
        # The toolkit gives a window the role of a frame, as readers expect of a top-level window.
        if window is not None and window.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW) and window.getState().contains(
                pyatspi.STATE_SHOWING):
            return window
    return None


def walk(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk(child)


def focused(root):
    return next((a for a in walk(root) if a.getState().contains(pyatspi.STATE_FOCUSED)), None)


def press(keysym, modifiers=()):
    subprocess.run(["xdotool", "key", "+".join(list(modifiers) + [keysym])], env=environment, check=True)
    time.sleep(0.4)


try:
    application = find_application()
    check(application is not None, "quintaval on the accessibility bus")
    time.sleep(1)
    # A second start opens the panel, dropped from the bar.
    subprocess.run([quintaval], env=environment, timeout=20)
    panel = None
    for _ in range(50):
        panel = panel_of(application)
        if panel:
            break
        time.sleep(0.1)
    check(panel is not None, "the panel among the application's windows, a window")
    if panel is not None:
        print("panel:", panel.getRoleName(), repr(panel.name))
        check(bool(panel.name), "the panel has a name")
        for accessible in walk(panel):
            states = accessible.getState()
            if not states.contains(pyatspi.STATE_SHOWING) or not states.contains(pyatspi.STATE_VISIBLE):
                continue
            print("  ", accessible.getRoleName(), repr(accessible.name),
                  "focusable" if states.contains(pyatspi.STATE_FOCUSABLE) else "")
        time.sleep(0.5)
        first = focused(panel)
        # Whatever the day, its Republican year is named: "… an CCXXXV, …".
        check(first is not None and " an " in first.name,
              "the focus on the date as the panel opens: " + (first.name if first else "nothing"))
        controls = [a for a in walk(panel) if a.getState().contains(pyatspi.STATE_FOCUSABLE)
                    and a.getState().contains(pyatspi.STATE_SHOWING)]
        for control in controls:
            check(bool(control.name.strip()), "a name for every control: " + control.getRoleName())
        check(len(controls) >= 6, "six controls or more: %d" % len(controls))
        visited = []
        for _ in range(len(controls)):
            press("Tab")
            now = focused(panel)
            visited.append(now.name if now else None)
        print("Tab visits:", visited)
        check(visited[:4] == ["Hourly chimes", "Copy date", "Preferences", "Quit Quintaval"],
              "Tab goes to the footer's controls in order")
        check(first is not None and visited[-1] == first.name, "Tab comes back round to the date")
        before = focused(panel).name
        press("Right")
        after = focused(panel).name
        check(after != before, "Right moves to the next day, and the focused control says so")
        press("Home")
        check(focused(panel).name == before, "Home comes back to today")
        press("Escape")
        time.sleep(0.3)
        check(not panel.getState().contains(pyatspi.STATE_SHOWING), "Escape closes the panel")
finally:
    for process in reversed(started):
        process.terminate()
    for process in started:
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()

print("%d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
