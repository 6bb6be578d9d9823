#!/usr/bin/python3
"""Usage: end_to_end.py PREFIX, where PREFIX holds the result of `cmake --install`.

Drives PREFIX/bin/angulor as a user would, on its own X server: converts one radian and reads
the result back from the clipboard, holds Enter down, opens the help and copies its text, closes
the main window and then the catalogue window that appears, and expects the process to end.
Exit status 77: skipped, because no X server can be had.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from desktop import (CATALOGUE_TITLE, HELP_TITLE, MAIN_TITLE, WAIT, Accessibility, Desktop, Failure,
                     Processes, wait_for)

EXPECTED_OUTPUT = "1.000000 radians = 57\u00b0 17' 45\"\r\n"


def copied(what, desktop, a11y, button, before):
    """Presses the copy button until the clipboard changes from `before`."""
    return wait_for(what, lambda: a11y.press(button) or (text := desktop.clipboard()) != before
                    and text)


def drive(prefix, desktop, processes, workdir):
    env = dict(desktop.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # Started from elsewhere, through the link, so the help must come from beside the program.
    app = subprocess.Popen([str(prefix / "bin/angulor")], cwd=workdir, env=env,
                           start_new_session=True)
    processes.started.append(app)

    main = desktop.window(app, MAIN_TITLE)
    # The desktop entry's StartupWMClass, checked among the installed files.
    wm_class = desktop.property(main, "WM_CLASS")
    if '"angulor"' not in wm_class:
        raise Failure(f"the window's {wm_class} does not match StartupWMClass=angulor")
    # The program's own smallest render, not a stand-in the desktop supplies.
    if "Icon (16 x 16)" not in desktop.property(main, "_NET_WM_ICON"):
        raise Failure("the main window has not the program's icon")

    desktop.run("xdotool", "windowactivate", "--sync", main)
    # The focus is in the radians field at start; Enter converts.
    desktop.run("xdotool", "type", "--delay", "50", "1")
    desktop.run("xdotool", "key", "Return")
    a11y = Accessibility(app.pid)
    text = copied("the result on the clipboard", desktop, a11y, "Copy output to clipboard", None)
    if text != EXPECTED_OUTPUT:
        raise Failure(f"clipboard holds {text!r}, expected {EXPECTED_OUTPUT!r}")

    # Held down, Enter repeats; the X server sends each repeat as a release and a press. It
    # converts once all the same, when it is let go.
    desktop.run("xdotool", "keydown", "Return")
    time.sleep(1.5)
    desktop.run("xdotool", "keyup", "Return")
    time.sleep(0.5)
    text = copied("the held Enter's result", desktop, a11y, "Copy output to clipboard", text)
    if text != EXPECTED_OUTPUT * 2:
        raise Failure(f"after a held Enter the clipboard holds {text!r}, expected two lines")

    a11y.press("Help")
    desktop.window(app, HELP_TITLE)
    # The whole file: it is far below the viewer's bound.
    help_file = prefix / "lib/angulor/ang_help.txt"
    shown = copied("the help text", desktop, a11y, "Copy to clipboard", text)
    if shown.split() != help_file.read_bytes().decode("cp1252", errors="replace").split():
        raise Failure(f"the help window shows something else than {help_file}:\n{shown[:400]!r}")

    desktop.run("wmctrl", "-i", "-c", main)
    catalogue = desktop.window(app, CATALOGUE_TITLE)
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


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    if not shutil.which("Xvfb"):
        print("SKIPPED: no X server can be had here (Xvfb is not installed; ./test installs it)")
        return 77
    missing = [tool for tool in ("dbus-daemon", "openbox", "wmctrl", "xdotool", "xclip",
                                 "xprop") if not shutil.which(tool)]
    if missing:
        print(f"missing tools: {', '.join(missing)} (./test installs them)")
        return 1

    workdir = Path(tempfile.mkdtemp(prefix="angulor-e2e-"))
    runtime = workdir / "runtime"
    runtime.mkdir(mode=0o700)
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(workdir),
           "XDG_RUNTIME_DIR": str(runtime), "XDG_CONFIG_HOME": str(workdir / "config"),
           "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"}
    # A sanitizer build is driven with the options its test run chose.
    env.update({k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")})
    processes = Processes(env)
    desktop = Desktop(processes, env)
    try:
        desktop.start()
        os.environ.update(env)
        drive(Path(sys.argv[1]).resolve(), desktop, processes, workdir)
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
