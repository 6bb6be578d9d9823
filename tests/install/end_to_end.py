#!/usr/bin/python3
"""Drives the installed program as a user would, on its own X server.

Usage: end_to_end.py PREFIX   (PREFIX holds the result of `cmake --install`)

It starts PREFIX/bin/angulor under Xvfb with a window manager and the accessibility bus,
converts one radian, reads the result back from the clipboard, opens the help, closes the
main window and closes the catalogue window that then appears, and expects the process to end.
Exit status 77 means the test was skipped because no X server can be had.
"""

import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SKIP = 77
MAIN_TITLE = "Angulor 4.00"
HELP_TITLE = "Help for ANG"
CATALOGUE_TITLE = "Quevrin Systems Software"
EXPECTED_OUTPUT = "1.000000 radians = 57\u00b0 17' 45\"\r\n"
APP_ID = "example.quevrin_systems.Angulor"
WAIT = 20


class Failure(Exception):
    pass


def log(text):
    print(text, flush=True)


def wait_for(what, probe, timeout=WAIT, interval=0.1):
    """Polls probe() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def descendants(pid):
    children = {}
    for entry in Path("/proc").iterdir():
        if entry.name.isdigit():
            try:
                stat = (entry / "stat").read_text()
            except OSError:
                continue
            ppid = int(stat.rsplit(")", 1)[1].split()[1])
            children.setdefault(ppid, []).append(int(entry.name))
    found, queue = [], [pid]
    while queue:
        for child in children.get(queue.pop(), []):
            found.append(child)
            queue.append(child)
    return found


class Processes:
    """Everything this test starts, ended together at the end whatever happened."""

    def __init__(self, env):
        self.env = env
        self.started = []

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, start_new_session=True, **kwargs)
        self.started.append(process)
        return process

    def end_all(self):
        for process in reversed(self.started):
            for pid in [process.pid] + descendants(process.pid):
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass


def read_line_from(fd, what, timeout=WAIT):
    """Reads the first line a child writes to the pipe fd, without waiting forever."""
    data = b""
    deadline = time.monotonic() + timeout
    while b"\n" not in data:
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
            raise Failure(f"timed out waiting for {what}")
        chunk = os.read(fd, 4096)
        if not chunk:
            raise Failure(f"{what}: the process ended without answering")
        data += chunk
    return data.split(b"\n", 1)[0].decode().strip()


class Desktop:
    """A private X server with a window manager and a session bus."""

    def __init__(self, processes, env, screen="1280x1024x24"):
        self.processes = processes
        self.env = env
        self.screen = screen

    def start(self):
        read_end, write_end = os.pipe()
        self.processes.start(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        display = ":" + read_line_from(read_end, "Xvfb to choose a display")
        os.close(read_end)
        self.env["DISPLAY"] = display

        read_end, write_end = os.pipe()
        self.processes.start(
            ["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = read_line_from(read_end, "the session bus")
        os.close(read_end)

        self.processes.start(["openbox", "--sm-disable"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the window manager", lambda: self.run("wmctrl", "-m").returncode == 0)
        log(f"desktop ready on {display}")

    def run(self, *args, timeout=10):
        try:
            return subprocess.run(args, env=self.env, capture_output=True, text=True,
                                  timeout=timeout)
        except subprocess.TimeoutExpired:
            return subprocess.CompletedProcess(args, 124, "", f"{args[0]} timed out")

    def visible_windows(self, pid, title):
        result = self.run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                          "--name", f"^{title}$")
        return result.stdout.split()

    def window(self, app, title):
        def probe():
            if app.poll() is not None:
                raise Failure(f'the program ended ({app.returncode}) before showing "{title}"')
            return self.visible_windows(app.pid, title)

        return wait_for(f'a window titled "{title}"', probe)[0]

    def property(self, window, name):
        return self.run("xprop", "-len", "16", "-id", window, name).stdout.strip()

    def clipboard(self):
        try:
            result = subprocess.run(
                ["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                env=self.env, capture_output=True, timeout=10)
        except subprocess.TimeoutExpired:
            return None
        return result.stdout.decode() if result.returncode == 0 else None

    def screenshot(self, path):
        if shutil.which("import"):
            self.run("import", "-window", "root", str(path))
            log(f"screenshot of the failure: {path}")


class Accessibility:
    """The program's widgets as the accessibility bus shows them."""

    def __init__(self, pid):
        import pyatspi  # needs DISPLAY and the session bus of our desktop

        self.pyatspi = pyatspi
        self.pid = pid
        self.app = wait_for("the program on the accessibility bus", self.find_app)

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        desktop.clear_cache()
        for app in desktop:
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def walk(self, node):
        yield node
        for child in node:
            if child is not None:
                yield from self.walk(child)

    def find(self, role, name, within=None):
        from gi.repository import GLib

        self.app.clear_cache()
        try:
            for node in self.walk(within or self.app):
                if node.getRole() == role and (name is None or node.name == name):
                    return node
        except GLib.Error:
            pass  # a widget went away during the walk: the caller looks again
        return None

    def wait_find(self, role, name, within=None):
        return wait_for(f'{role} "{name}"', lambda: self.find(role, name, within))

    def press(self, name):
        button = self.wait_find(self.pyatspi.ROLE_PUSH_BUTTON, name)
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)

    def top_level(self, title):
        self.app.clear_cache()
        return next((window for window in self.app if window is not None and window.name == title),
                    None)

    def text_in_window(self, title):
        # The role of a top-level window depends on its widget class; its name is its title.
        frame = wait_for(f'the window "{title}" on the accessibility bus',
                         lambda: self.top_level(title))

        def text():
            for role in (self.pyatspi.ROLE_TEXT, self.pyatspi.ROLE_DOCUMENT_TEXT):
                node = self.find(role, None, frame)
                if node is not None:
                    content = node.queryText().getText(0, -1)
                    if content:
                        return content
            return None

        return wait_for(f'the text of "{title}"', text)


def words(text):
    return " ".join(text.split())


def check_help_text(shown, help_file):
    expected = help_file.read_bytes().decode("cp1252", errors="replace")
    if len(expected) < 65530:
        if words(shown) != words(expected):
            raise Failure(f"the help window shows something else than {help_file}:\n"
                          f"{shown[:400]!r}")
    elif not words(shown).startswith(words(expected[:2000])[:100]):
        raise Failure("the help window does not show the start of the help file")


def desktop_entry_value(prefix, key):
    entry = prefix / f"share/applications/{APP_ID}.desktop"
    for line in entry.read_text().splitlines():
        if line.startswith(key + "="):
            return line.split("=", 1)[1]
    raise Failure(f"{entry} has no {key}")


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
    wm_class = desktop.property(main, "WM_CLASS")
    startup_class = desktop_entry_value(prefix, "StartupWMClass")
    if f'"{startup_class}"' not in wm_class:
        raise Failure(f"the window's {wm_class} does not match StartupWMClass={startup_class}")
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
