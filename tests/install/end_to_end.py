#!/usr/bin/python3
"""Drives the installed program as a user would, on its own X server.

Usage: end_to_end.py PREFIX   (PREFIX holds the result of `cmake --install`)

It starts PREFIX/bin/angulor under Xvfb with a window manager and the accessibility bus,
converts one radian, reads the result back from the clipboard, opens the help, closes the
main window and closes the catalogue window that then appears, and expects the process to end.
Exit status 77 means the test was skipped because no X server can be had.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from desktop import (CATALOGUE_TITLE, HELP_TITLE, MAIN_TITLE, WAIT, Accessibility, Desktop, Failure,
                     Processes, log, wait_for)

SKIP = 77
EXPECTED_OUTPUT = "1.000000 radians = 57\u00b0 17' 45\"\r\n"


def words(text):
    return " ".join(text.split())


def check_help_text(shown, help_file):
    # The whole file: it is far below the viewer's bound.
    expected = help_file.read_bytes().decode("cp1252", errors="replace")
    if words(shown) != words(expected):
        raise Failure(f"the help window shows something else than {help_file}:\n{shown[:400]!r}")


def drive(prefix, desktop, processes, workdir):
    program = prefix / "bin/angulor"
    if not os.access(program, os.X_OK):
        raise Failure(f"{program} is not installed")
    env = dict(desktop.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("WAYLAND_DISPLAY", None)
    # Started from elsewhere, through the link, so the help must come from beside the program.
    app = subprocess.Popen([str(program)], cwd=workdir, env=env, start_new_session=True)
    processes.started.append(app)

    main = desktop.window(app, MAIN_TITLE)
    log(f"main window {main}")
    # The desktop entry's StartupWMClass, checked among the installed files.
    wm_class = desktop.property(main, "WM_CLASS")
    if '"angulor"' not in wm_class:
        raise Failure(f"the window's {wm_class} does not match StartupWMClass=angulor")
    if "_NET_WM_ICON(CARDINAL) =" not in desktop.property(main, "_NET_WM_ICON"):
        raise Failure("the main window has no icon")

    desktop.run("xdotool", "windowactivate", "--sync", main)
    # The focus is in the radians field at start; Enter converts.
    desktop.run("xdotool", "type", "--delay", "50", "1")
    desktop.run("xdotool", "key", "Return")

    a11y = Accessibility(app.pid)
    a11y.press("Copy output to clipboard")
    copied = wait_for("the result on the clipboard", desktop.clipboard)
    if copied != EXPECTED_OUTPUT:
        raise Failure(f"clipboard holds {copied!r}, expected {EXPECTED_OUTPUT!r}")
    log(f"clipboard: {copied!r}")

    # Held down, Enter repeats; the X server sends each repeat as a release and a press. It
    # converts once all the same, when it is let go.
    desktop.run("xdotool", "keydown", "Return")
    time.sleep(1.5)
    desktop.run("xdotool", "keyup", "Return")
    time.sleep(0.5)
    a11y.press("Copy output to clipboard")
    copied = wait_for("the held Enter's result on the clipboard",
                      lambda: (text := desktop.clipboard()) != EXPECTED_OUTPUT and text)
    if copied != EXPECTED_OUTPUT * 2:
        raise Failure(f"after a held Enter the clipboard holds {copied!r}, "
                      f"expected two lines {EXPECTED_OUTPUT * 2!r}")
    log("a held Enter converted once")

    a11y.press("Help")
    desktop.window(app, HELP_TITLE)
    check_help_text(a11y.text_in_window(HELP_TITLE), prefix / "lib/angulor/ang_help.txt")
    log("help shown")

    desktop.run("wmctrl", "-i", "-c", main)
    catalogue = desktop.window(app, CATALOGUE_TITLE)
    log(f"catalogue window {catalogue}")
    if desktop.visible_windows(app.pid, MAIN_TITLE):
        raise Failure("the main window is still shown beside the catalogue")
    if app.poll() is not None:
        raise Failure(f"the program ended ({app.returncode}) before the catalogue was closed")

    desktop.run("wmctrl", "-i", "-c", catalogue)
    try:
        status = app.wait(timeout=WAIT)
    except subprocess.TimeoutExpired:
        raise Failure("the program is still running after its catalogue window was closed")
    if status != 0:
        raise Failure(f"the program ended with status {status}")
    log("the program ended after the catalogue window was closed")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    prefix = Path(sys.argv[1]).resolve()
    if not shutil.which("Xvfb"):
        print("SKIPPED: no X server can be had here (Xvfb is not installed; ./test installs it)")
        return SKIP
    missing = [tool for tool in ("dbus-daemon", "openbox", "wmctrl", "xdotool", "xclip",
                                 "xprop") if not shutil.which(tool)]
    if missing:
        print(f"missing tools: {', '.join(missing)} (./test installs them)")
        return 1

    workdir = Path(tempfile.mkdtemp(prefix="angulor-e2e-"))
    runtime = workdir / "runtime"
    runtime.mkdir(mode=0o700)
    env = {
        "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
        "HOME": str(workdir),
        "XDG_RUNTIME_DIR": str(runtime),
        "XDG_CONFIG_HOME": str(workdir / "config"),
        "LANG": "C.UTF-8",
        "LC_ALL": "C.UTF-8",
    }
    # A sanitizer build is driven with the options its test run chose.
    env.update({k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")})
    processes = Processes(env)
    desktop = Desktop(processes, env)
    try:
        desktop.start()
        os.environ.update(env)
        drive(prefix, desktop, processes, workdir)
        print("end-to-end run passed")
        return 0
    except Failure as failure:
        print(f"FAILED: {failure}")
        desktop.screenshot(Path.cwd() / "end_to_end_failure.png")
        return 1
    finally:
        processes.end_all()
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
