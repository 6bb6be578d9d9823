"""The desktop the installed program is driven on, shared by the end-to-end test and
tools/take_screenshots.py: an X server of its own with a window manager, the session bus and
the accessibility bus, and ways to find and work its windows."""

import os
import select
import signal
import subprocess
import time
import shutil

MAIN_TITLE = "Angulor 4.00"
HELP_TITLE = "Help for ANG"
CATALOGUE_TITLE = "Quevrin Systems Software"
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


class Processes:
    """Everything this test starts, ended together at the end whatever happened. Each is started
    in a process group of its own, which the processes it starts share."""

    def __init__(self, env):
        self.env = env
        self.started = []

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, start_new_session=True, **kwargs)
        self.started.append(process)
        return process

    def end_all(self):
        for process in reversed(self.started):
            try:
                os.killpg(process.pid, signal.SIGKILL)
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
        display = ":" + self.answer("Xvfb to choose a display", lambda fd: [
            "Xvfb", "-displayfd", fd, "-screen", "0", self.screen, "-nolisten", "tcp", "-noreset"])
        self.env["DISPLAY"] = display
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.answer("the session bus", lambda fd: [
            "dbus-daemon", "--session", "--nofork", f"--print-address={fd}"])
        self.processes.start(["openbox", "--sm-disable"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the window manager", lambda: self.run("wmctrl", "-m").returncode == 0)
        log(f"desktop ready on {display}")

    def answer(self, what, command):
        """Starts command(fd) and reads the first line it writes to the pipe fd."""
        read_end, write_end = os.pipe()
        self.processes.start(command(str(write_end)), pass_fds=[write_end],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            return read_line_from(read_end, what)
        finally:
            os.close(read_end)

    def run(self, *args, timeout=10):
        try:
            return subprocess.run(args, env=self.env, capture_output=True, text=True,
                                  errors="replace", timeout=timeout)
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
        return self.run("xprop", "-id", window, name).stdout.strip()

    def clipboard(self):
        # Under load xclip may stop inside a character: not ready yet, as a failure is.
        try:
            result = subprocess.run(
                ["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                env=self.env, capture_output=True, timeout=10)
            return result.stdout.decode() if result.returncode == 0 else None
        except (subprocess.TimeoutExpired, UnicodeDecodeError):
            return None

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

    def find(self, role, name):
        from gi.repository import GLib

        self.app.clear_cache()
        try:
            for node in self.walk(self.app):
                if node.getRole() == role and node.name == name:
                    return node
        except GLib.Error:
            pass  # a widget went away during the walk: the caller looks again
        return None

    def press(self, name):
        button = wait_for(f'the button "{name}"',
                          lambda: self.find(self.pyatspi.ROLE_PUSH_BUTTON, name))
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)
