"""Checks of what `cmake --install` and the Debian package put on a user's machine."""

import gzip
import os
import re
import shutil
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET
from pathlib import Path

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

APP_ID = "example.quevrin_systems.Angulor"
ICON_SIZES = (16, 32, 48, 64, 128, 256)

PREFIX = Path(os.environ["ANGULOR_PREFIX"])
BUILD_DIR = Path(os.environ["ANGULOR_BUILD_DIR"])
SOURCE_DIR = Path(os.environ["ANGULOR_SOURCE_DIR"])
VERSION = os.environ["ANGULOR_VERSION"]
HARDENED = os.environ.get("ANGULOR_HARDENED") == "1"
NOT_HARDENED = "a Debug or sanitizer build is not hardened as a package is"

DESKTOP_ENTRY = f"share/applications/{APP_ID}.desktop"
METAINFO = f"share/metainfo/{APP_ID}.metainfo.xml"
PROGRAM = "lib/angulor/angulor"

EXPECTED_FILES = {
    "bin/angulor", PROGRAM, DESKTOP_ENTRY, METAINFO,
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg", "share/doc/angulor/copyright",
    "share/doc/angulor/changelog.gz", "share/man/man1/angulor.1.gz",
} | {f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in ICON_SIZES} | {
    f"lib/angulor/{path.name}" for path in SOURCE_DIR.glob("data/ang_help*.txt")}


def files_under(root):
    """Every file and symbolic link below root, as paths relative to it."""
    found = set()
    for dirpath, dirnames, filenames in os.walk(root):
        for name in filenames + [d for d in dirnames if os.path.islink(os.path.join(dirpath, d))]:
            found.add(os.path.relpath(os.path.join(dirpath, name), root))
    return found


def run(*args, text=True, **kwargs):
    return subprocess.run(args, capture_output=True, text=text, timeout=120, **kwargs)


def install_into(destdir, prefix):
    env = dict(os.environ, DESTDIR=str(destdir)) if destdir else None
    result = run("cmake", "--install", str(BUILD_DIR), "--prefix", str(prefix), env=env)
    assert result.returncode == 0, f"cmake --install failed:\n{result.stdout}{result.stderr}"


def desktop_entry(path):
    """The desktop entry as a launcher reads it."""
    entry = Gio.DesktopAppInfo.new_from_filename(str(path))
    assert entry is not None, f"{path} is not a usable desktop entry"
    return entry


def exec_argv(path):
    return GLib.shell_parse_argv(desktop_entry(path).get_commandline())[1]


def without_display():
    return {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}


def angulor(*args, stdin=None, **env):
    # Bytes, so that a CR the program writes is seen as it is.
    result = run(str(PREFIX / "bin/angulor"), *args, text=False,
                 env=dict(without_display(), **env), input=(stdin or "").encode())
    result.stdout, result.stderr = result.stdout.decode(), result.stderr.decode()
    return result


class TreeTests(unittest.TestCase):
    def test_installs_exactly_the_expected_files(self):
        self.assertEqual(files_under(PREFIX), EXPECTED_FILES)

    def test_changelog_names_this_version(self):
        # lintian checks the copyright file and the changelog's form.
        changelog = gzip.decompress((PREFIX / "share/doc/angulor/changelog.gz").read_bytes())
        self.assertTrue(changelog.decode().startswith(f"angulor ({VERSION}) "))


class DesktopEntryTests(unittest.TestCase):
    def test_passes_desktop_file_validate(self):
        # Hints too: two main categories would show the program twice in some menus.
        result = run("desktop-file-validate", str(PREFIX / DESKTOP_ENTRY))
        self.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))

    def test_matches_the_windows_and_the_icons(self):
        # The class Qt gives the windows of a program started as "angulor"; the icons' name.
        entry = desktop_entry(PREFIX / DESKTOP_ENTRY)
        self.assertEqual([entry.get_string(key) for key in ("Name", "StartupWMClass", "Icon")],
                         ["Angulor", "angulor", APP_ID])

    def test_private_prefix_starts_the_installed_program_however_it_is_spelled(self):
        self.assertEqual(exec_argv(PREFIX / DESKTOP_ENTRY), [str(PREFIX / PROGRAM)])
        with tempfile.TemporaryDirectory() as tmp:
            prefix = Path(tmp) / "my apps $HOME ('quoted')"
            install_into(None, prefix)
            self.assertEqual(exec_argv(prefix / DESKTOP_ENTRY), [str(prefix / PROGRAM)])
            result = run("desktop-file-validate", str(prefix / DESKTOP_ENTRY))
            self.assertEqual(result.returncode, 0, result.stdout)

    def test_system_prefixes_find_the_program_on_the_path(self):
        for prefix in ("/usr", "/usr/local"):
            with self.subTest(prefix=prefix), tempfile.TemporaryDirectory() as destdir:
                install_into(destdir, prefix)
                # Read as a key file: a launcher would not take it, "angulor" is not on this PATH.
                entry = GLib.KeyFile()
                entry.load_from_file(str(Path(destdir + prefix) / DESKTOP_ENTRY), 0)
                self.assertEqual(entry.get_string("Desktop Entry", "Exec"), "angulor")


class CommandLineTests(unittest.TestCase):
    """The installed program's command line, on a machine without any display."""

    def test_help_and_version_need_no_display(self):
        for args, first_line in ((["--help"], "Usage: angulor [options]"), (["-h"], "Usage:"),
                                 (["--version"], f"Angulor {VERSION}\n"), (["-v"], "Angulor"),
                                 (["-platform", "xcb", "--version"], "Angulor"),
                                 (["--style=Fusion", "-help"], "Usage:")):
            with self.subTest(args=args):
                result = angulor(*args)
                self.assertEqual((result.returncode, result.stderr), (0, ""))
                self.assertTrue(result.stdout.startswith(first_line), result.stdout)
        text = angulor("--help").stdout
        for option in ("-h, --help", "-v, --version", "-platform", "-display", "-style",
                       "\n  angulor --to-degrees --precision 9 1 -0.5\n"):
            self.assertIn(option, text)
        self.assertIn("-h, --help Diese Hilfe anzeigen und beenden.",
                      " ".join(angulor("--help", LANGUAGE="de").stdout.split()))

    def test_mistakes_end_with_status_2_and_a_hint(self):
        for args, named in ((["--bogus"], "bogus"), (["-x"], "'x'"), (["stray"], "stray"),
                            (["-platform"], "platform"), (["--version", "--bogus"], "bogus"),
                            (["--precision", "8"], "--to-radians"),
                            (["--to-degrees", "--bogus", "1"], "bogus"),
                            (["1", "--to-degrees"], "'1'"),
                            (["--to-degrees", "--precision"], "precision"),
                            (["--to-radians", "--precision=5", "1"], "6, 7, 8 or 9"),
                            (["--to-degrees", "--precision", "95", "1"], "'95'"),
                            (["--to-radians", "--to-degrees"], "only one"),
                            (["--to-degrees", "--decimal-degrees", "--round-to-minutes"],
                             "only one")):
            with self.subTest(args=args):
                result = angulor(*args)
                self.assertEqual((result.returncode, result.stdout), (2, ""))
                lines = result.stderr.splitlines()
                self.assertEqual(len(lines), 2, result.stderr)
                self.assertRegex(lines[0], "^angulor: .*" + re.escape(named))
                self.assertEqual(lines[1], "Try 'angulor --help' for more information.")

    def test_conversions(self):
        # The conversions are the window's own, held against the exact model: these rows show
        # that each option, each kind of value and each input line reaches them.
        for args, stdin, out, err, status in (
            (["--to-degrees", "-1"], None, '-1.000000 radians = -57° 17\' 45"\n', "", 0),
            (["--to-radians", "S 12 30 15"], None, '-12° 30\' 15" = -0.218239 radians\n', "", 0),
            (["--to-degrees", "--precision", "9", "--decimal-degrees", "1"], None,
             "1.0000000 radians = 57.295780°\n", "", 0),
            (["--precision=6", "--to-degrees", "--decimal-minutes", "1"], None,
             "1.0000 radians = 57°17.7'\n", "", 0),
            (["--to-degrees", "--round-to-minutes", "--", "-1"], None,
             "-1.000000 radians = -57°18'\n", "", 0),
            (["--to-degrees", "7", "1", "N/A"], None, '1.000000 radians = 57° 17\' 45"\n',
             "angulor: Radians out of range\nangulor: The value holds no number.\n", 1),
            # Lines of 4 096 bytes are the longest taken.
            (["--to-radians"], f"\ufeff12°30'\r\n\n1 2 3 4\n{'0' * 4094}45\n{'0' * 4095}45\n45",
             '12° 30\' 0" = 0.218166 radians\n' + '45° 0\' 0" = 0.785398 radians\n' * 2,
             "angulor: line 2: The text is empty.\n"
             "angulor: line 3: The text holds more than three numbers.\n"
             "angulor: line 5: The line is too long.\n", 1),
            (["--to-degrees"], "", "", "", 0),
        ):
            with self.subTest(args=args, stdin=stdin):
                result = angulor(*args, stdin=stdin)
                self.assertEqual((result.stdout, result.stderr, result.returncode),
                                 (out, err, status))

    def test_a_window_that_cannot_open_says_why(self):
        result = angulor()
        self.assertEqual((result.returncode, result.stdout), (1, ""))
        self.assertIn("neither DISPLAY nor WAYLAND_DISPLAY is set", result.stderr)
        # Qt's own reason is kept.
        for args, reason in ((["-platform", "nosuchplatform"],
                              'Could not find the Qt platform plugin "nosuchplatform"'),
                             (["-display", ":97"], "could not connect to display :97")):
            with self.subTest(args=args):
                result = angulor(*args)
                self.assertEqual(result.returncode, 1)
                self.assertRegex(result.stderr, "^Angulor could not open its window(.|\n)*"
                                 + re.escape(reason))

    def test_qt_options_start_the_program(self):
        # The "=" form is handed on as Qt takes it, never accepted and then ignored.
        for args in (["-platform", "offscreen", "-style", "Fusion"],
                     ["-platform=offscreen", "--style=Fusion"]):
            with self.subTest(args=args):
                program = subprocess.Popen([str(PREFIX / "bin/angulor"), *args],
                                           env=without_display(), stdout=subprocess.PIPE,
                                           stderr=subprocess.PIPE, text=True)
                try:
                    program.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    pass  # running, its window open on the off-screen platform
                program.kill()
                error = program.communicate()[1]
                self.assertEqual(program.returncode, -9, error)


class ManualPageTests(unittest.TestCase):
    def test_renders_without_warnings_and_documents_the_program(self):
        result = run("man", "--warnings", "-l", str(PREFIX / "share/man/man1/angulor.1.gz"),
                     env=dict(os.environ, MANWIDTH="80", MAN_KEEP_FORMATTING=""))
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        text = result.stdout
        # Names and paths are never broken across lines; every option of the help is there.
        for name in ["~/.local/lib/angulor/ang_help.txt", "/usr/lib/angulor/ang_help.txt",
                     "Wayland", "wayland.", "qt6-wayland", "xdg-open(1)", "WAYLAND_DISPLAY",
                     "QT_QPA_PLATFORM"] + re.findall(r"--?[a-z-]+", angulor("--help").stdout):
            self.assertIn(name, text)


@unittest.skipUnless(HARDENED, NOT_HARDENED)
class HardeningTests(unittest.TestCase):
    def test_hardening_check_passes_every_line_it_can(self):
        # Control flow integrity needs C runtime start files built for it, which Debian 12's are
        # not: the linker keeps the marking only when every object has it. "unknown" is the
        # answer for stack clash protection when no function has a frame large enough to need it.
        result = run("hardening-check", "--nocfprotection", str(PREFIX / PROGRAM))
        checks = [line.strip() for line in result.stdout.splitlines()[1:]
                  if not line.strip().startswith("Control flow integrity:")]
        self.assertGreaterEqual(len(checks), 5, result.stdout)
        failed = [c for c in checks
                  if not re.search(r": yes\b|^Stack clash protection: unknown, no .* found", c)]
        self.assertEqual((failed, result.returncode), ([], 0), result.stdout + result.stderr)


class MetainfoTests(unittest.TestCase):
    def test_passes_appstream_validation(self):
        # validate-tree also checks the metainfo against the installed desktop entry.
        for command, target in (("validate", PREFIX / METAINFO), ("validate-tree", PREFIX)):
            with self.subTest(command=command):
                result = run("appstreamcli", command, "--no-net", "--pedantic", "--no-color",
                             str(target))
                output = result.stdout + result.stderr
                problems = [line for line in output.splitlines()
                            if line.strip().startswith(("E:", "W:"))]
                self.assertEqual((result.returncode, problems), (0, []), output)

    def test_names_this_version(self):
        # appstreamcli checks the rest, the id against the file name and the desktop entry.
        root = ET.parse(PREFIX / METAINFO).getroot()
        self.assertEqual(root.find("releases/release").get("version"), VERSION)


class PackageTests(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        result = run("cpack", "--config", str(BUILD_DIR / "CPackConfig.cmake"), "-B", cls.tmp)
        if result.returncode != 0:
            shutil.rmtree(cls.tmp)
            raise AssertionError(f"cpack failed:\n{result.stdout}{result.stderr}")
        arch = run("dpkg", "--print-architecture").stdout.strip()
        cls.deb = Path(cls.tmp) / f"angulor_{VERSION}_{arch}.deb"
        cls.unpacked = Path(cls.tmp) / "unpacked"
        run("dpkg-deb", "-x", str(cls.deb), str(cls.unpacked))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def field(self, name):
        return run("dpkg-deb", "--field", str(self.deb), name).stdout.strip()

    def test_contents_are_the_installed_tree_under_usr(self):
        self.assertEqual(files_under(self.unpacked), {f"usr/{f}" for f in EXPECTED_FILES}
                         | {"usr/share/lintian/overrides/angulor"})

    def test_fields(self):
        # lintian checks the rest; the libraries' packages are computed, not written down.
        self.assertEqual((self.field("Package"), self.field("Version")), ("angulor", VERSION))
        depends = [d.split()[0] for d in self.field("Depends").split(", ")]
        for package in ("libc6", "libstdc++6", "libqt6widgets6", "fonts-liberation",
                        "xdg-utils"):
            self.assertIn(package, depends)
        self.assertIn("qt6-wayland", self.field("Recommends").split(", "))

    @unittest.skipUnless(HARDENED, NOT_HARDENED)
    def test_lintian_finds_nothing_at_pedantic(self):
        result = run("lintian", "--pedantic", "--display-info", "--display-experimental",
                     "--no-tag-display-limit", "--fail-on", "none", str(self.deb))
        tags = [line for line in result.stdout.splitlines() if re.match(r"^[EWIPX]: ", line)]
        self.assertEqual((tags, result.returncode), ([], 0), result.stdout + result.stderr)



if __name__ == "__main__":
    unittest.main()
