"""Checks of what `cmake --install` and the Debian package put on a user's machine."""

import configparser
import gzip
import os
import re
import shutil
import struct
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

EXPECTED_FILES = {
    "bin/angulor",
    "lib/angulor/angulor",
    "lib/angulor/ang_help.txt",
    DESKTOP_ENTRY,
    METAINFO,
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    "share/doc/angulor/copyright",
    "share/doc/angulor/changelog.gz",
    "share/man/man1/angulor.1.gz",
} | {f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in ICON_SIZES} | {
    f"lib/angulor/{path.name}" for path in SOURCE_DIR.glob("data/ang_help.*.txt")}


def files_under(root):
    """Every file and symbolic link below root, as paths relative to it."""
    found = set()
    for dirpath, dirnames, filenames in os.walk(root):
        for name in filenames + [d for d in dirnames if os.path.islink(os.path.join(dirpath, d))]:
            found.add(os.path.relpath(os.path.join(dirpath, name), root))
    return found


def png_size(path):
    data = Path(path).read_bytes()[:24]
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise AssertionError(f"{path} is not a PNG file")
    return struct.unpack(">II", data[16:24])


def read_desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def run(*args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=120, **kwargs)


def install_into(destdir, prefix):
    env = dict(os.environ, DESTDIR=str(destdir)) if destdir else None
    result = run("cmake", "--install", str(BUILD_DIR), "--prefix", str(prefix), env=env)
    if result.returncode != 0:
        raise AssertionError(f"cmake --install failed:\n{result.stdout}{result.stderr}")


def exec_argv(desktop_file):
    """The command line of a desktop entry as a launcher splits it."""
    info = Gio.DesktopAppInfo.new_from_filename(str(desktop_file))
    if info is None:
        raise AssertionError(f"{desktop_file} is not a usable desktop entry")
    return GLib.shell_parse_argv(info.get_commandline())[1]


class TreeTests(unittest.TestCase):
    def test_installs_exactly_the_expected_files(self):
        self.assertEqual(files_under(PREFIX), EXPECTED_FILES)

    def test_bin_link_is_relative_and_reaches_the_program(self):
        link = PREFIX / "bin/angulor"
        self.assertTrue(link.is_symlink())
        self.assertEqual(os.readlink(link), "../lib/angulor/angulor")
        real = link.resolve(strict=True)
        self.assertEqual(real, (PREFIX / "lib/angulor/angulor").resolve())
        self.assertTrue(real.is_file() and os.access(real, os.X_OK))
        self.assertEqual(real.read_bytes()[:4], b"\x7fELF")

    def test_help_files_lie_beside_the_real_program(self):
        real = (PREFIX / "bin/angulor").resolve()
        for source in SOURCE_DIR.glob("data/ang_help*.txt"):
            with self.subTest(file=source.name):
                help_file = real.parent / source.name
                self.assertEqual(help_file.read_bytes(), source.read_bytes())
                self.assertGreater(help_file.stat().st_size, 0)

    def test_icons_have_their_sizes(self):
        for n in ICON_SIZES:
            with self.subTest(size=n):
                self.assertEqual(png_size(PREFIX / f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png"),
                                 (n, n))
        svg = ET.parse(PREFIX / f"share/icons/hicolor/scalable/apps/{APP_ID}.svg").getroot()
        self.assertEqual(svg.tag, "{http://www.w3.org/2000/svg}svg")

    def test_copyright_is_machine_readable_and_holds_the_licence(self):
        text = (PREFIX / "share/doc/angulor/copyright").read_text()
        paragraphs = [p for p in text.split("\n\n") if p.strip()]
        self.assertEqual(paragraphs[0].splitlines()[0],
                         "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
        self.assertIn("Files: *", text)
        self.assertRegex(text, r"(?m)^License: Expat$")
        # The licence's own words, as the DEP-5 text folds them.
        words = " ".join((SOURCE_DIR / "LICENSE").read_text().split("Permission", 1)[1].split())
        folded = " ".join(line.strip() for line in text.splitlines() if line.strip() != ".")
        self.assertIn("Permission " + words, folded)

    def test_changelog_names_this_version(self):
        first = gzip.decompress((PREFIX / "share/doc/angulor/changelog.gz").read_bytes())
        self.assertTrue(first.decode().startswith(f"angulor ({VERSION}) "))


class DesktopEntryTests(unittest.TestCase):
    def test_passes_desktop_file_validate(self):
        # Hints too: two main categories would show the program twice in some menus.
        result = run("desktop-file-validate", str(PREFIX / DESKTOP_ENTRY))
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual((result.stdout + result.stderr).strip(), "")

    def test_describes_the_program(self):
        entry = read_desktop_entry(PREFIX / DESKTOP_ENTRY)
        self.assertEqual(entry["Type"], "Application")
        self.assertEqual(entry["Name"], "Angulor")
        self.assertEqual(entry["GenericName"], "Angle calculator")
        self.assertTrue(entry["Comment"])
        self.assertEqual(entry["Categories"], "Utility;Calculator;")
        keywords = entry["Keywords"].rstrip(";").split(";")
        for word in ("radians", "degrees", "minutes", "seconds", "angle"):
            self.assertIn(word, keywords)
        self.assertEqual(entry["Terminal"], "false")
        # The class Qt gives the windows of a program started as "angulor".
        self.assertEqual(entry["StartupWMClass"], "angulor")

    def test_icon_is_installed_under_its_name(self):
        entry = read_desktop_entry(PREFIX / DESKTOP_ENTRY)
        self.assertEqual(entry["Icon"], APP_ID)
        self.assertTrue((PREFIX / f"share/icons/hicolor/scalable/apps/{APP_ID}.svg").is_file())

    def test_private_prefix_starts_the_installed_program(self):
        argv = exec_argv(PREFIX / DESKTOP_ENTRY)
        self.assertEqual(argv, [str(PREFIX / "lib/angulor/angulor")])

    def test_prefix_with_awkward_characters_is_quoted(self):
        with tempfile.TemporaryDirectory() as tmp:
            prefix = Path(tmp) / "my apps $HOME ('quoted')"
            install_into(None, prefix)
            self.assertEqual(exec_argv(prefix / DESKTOP_ENTRY),
                             [str(prefix / "lib/angulor/angulor")])
            result = run("desktop-file-validate", str(prefix / DESKTOP_ENTRY))
            self.assertEqual(result.returncode, 0, result.stdout)

    def test_system_prefixes_find_the_program_on_the_path(self):
        for prefix in ("/usr", "/usr/local"):
            with self.subTest(prefix=prefix), tempfile.TemporaryDirectory() as destdir:
                install_into(destdir, prefix)
                root = Path(destdir + prefix)
                self.assertEqual(read_desktop_entry(root / DESKTOP_ENTRY)["Exec"], "angulor")
                self.assertEqual(os.readlink(root / "bin/angulor"), "../lib/angulor/angulor")


def without_display():
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    return env


def angulor(*args):
    return run(str(PREFIX / "bin/angulor"), *args, env=without_display())


class CommandLineTests(unittest.TestCase):
    """The installed program's command line, on a machine without any display."""

    def test_help_and_version_need_no_display(self):
        for args, first_line in ((["--help"], "Usage: angulor [options]"), (["-h"], "Usage:"),
                                 (["--version"], f"Angulor {VERSION}"), (["-v"], "Angulor"),
                                 (["-platform", "xcb", "--version"], "Angulor"),
                                 (["--style=Fusion", "-help"], "Usage:")):
            with self.subTest(args=args):
                result = angulor(*args)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stderr, "")
                self.assertTrue(result.stdout.startswith(first_line), result.stdout)
        self.assertEqual(angulor("--version").stdout, f"Angulor {VERSION}\n")

    def test_help_lists_the_options(self):
        text = angulor("--help").stdout
        for option in ("-h, --help", "-v, --version", "-platform", "-display", "-style"):
            self.assertIn(option, text)

    def test_help_speaks_the_desktops_language(self):
        env = dict(without_display(), LANGUAGE="de")
        text = run(str(PREFIX / "bin/angulor"), "--help", env=env).stdout
        self.assertIn("Diese Hilfe anzeigen und beenden.", text)
        self.assertIn("-h, --help", text)

    def test_mistakes_end_with_status_2_and_a_hint(self):
        for args, named in ((["--bogus"], "bogus"), (["-x"], "'x'"), (["stray"], "stray"),
                            (["-platform"], "platform"), (["--version", "--bogus"], "bogus")):
            with self.subTest(args=args):
                result = angulor(*args)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stdout, "")
                lines = result.stderr.splitlines()
                self.assertEqual(len(lines), 2, result.stderr)
                self.assertTrue(lines[0].startswith("angulor: "), lines[0])
                self.assertIn(named, lines[0])
                self.assertEqual(lines[1], "Try 'angulor --help' for more information.")

    def test_a_start_without_display_says_so(self):
        result = angulor()
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout, "")
        self.assertIn("neither DISPLAY nor WAYLAND_DISPLAY is set", result.stderr)

    def test_a_platform_that_cannot_start_keeps_qts_reason(self):
        for args, reason in ((["-platform", "nosuchplatform"],
                              'Could not find the Qt platform plugin "nosuchplatform"'),
                             (["-display", ":97"], "could not connect to display :97")):
            with self.subTest(args=args):
                result = angulor(*args)
                self.assertEqual(result.returncode, 1)
                self.assertTrue(result.stderr.startswith("Angulor could not open its window"),
                                result.stderr)
                self.assertIn(reason, result.stderr)

    def test_qt_options_start_the_program(self):
        program = subprocess.Popen([str(PREFIX / "bin/angulor"), "-platform", "offscreen",
                                    "-style", "Fusion"], env=without_display(),
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        try:
            program.wait(timeout=3)
        except subprocess.TimeoutExpired:
            pass  # running, its window open on the off-screen platform
        finally:
            program.kill()
            out, err = program.communicate()
        self.assertEqual(program.returncode, -9, err)


class ManualPageTests(unittest.TestCase):
    PAGE = PREFIX / "share/man/man1/angulor.1.gz"

    def render(self):
        env = dict(os.environ, MANWIDTH="80", MAN_KEEP_FORMATTING="")
        return run("man", "--warnings", "-l", str(self.PAGE), env=env)

    def test_renders_without_warnings(self):
        result = self.render()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr, "")

    def test_has_the_sections_a_reader_looks_for(self):
        text = self.render().stdout
        headings = [line for line in text.splitlines() if re.fullmatch(r"[A-Z][A-Z ]+", line)]
        self.assertEqual(headings, ["NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "FILES",
                                    "ENVIRONMENT", "EXIT STATUS", "SEE ALSO"])
        self.assertIn("ang_help.txt", text.split("FILES", 1)[1].split("ENVIRONMENT", 1)[0])
        self.assertIn("xdg-open(1)", text.split("SEE ALSO", 1)[1])

    def test_documents_every_option_of_the_help(self):
        text = self.render().stdout
        for option in re.findall(r"--?[a-z]+", angulor("--help").stdout):
            self.assertIn(option, text)


@unittest.skipUnless(HARDENED, NOT_HARDENED)
class HardeningTests(unittest.TestCase):
    def test_hardening_check_passes_every_line_it_can(self):
        # Control flow integrity needs C runtime start files built for it, which Debian 12's are
        # not: the linker keeps the marking only when every object has it. "unknown" is the
        # answer for stack clash protection when no function has a frame large enough to need it.
        result = run("hardening-check", "--nocfprotection", str(PREFIX / "lib/angulor/angulor"))
        checks = [line.strip() for line in result.stdout.splitlines()[1:]
                  if not line.strip().startswith("Control flow integrity:")]
        self.assertGreaterEqual(len(checks), 5, result.stdout)
        failed = [c for c in checks
                  if not re.search(r": yes\b|^Stack clash protection: unknown, no .* found", c)]
        self.assertEqual(failed, [], result.stdout)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)


class MetainfoTests(unittest.TestCase):
    def setUp(self):
        self.root = ET.parse(PREFIX / METAINFO).getroot()

    def test_passes_appstream_validation(self):
        # validate-tree also checks the metainfo against the installed desktop entry.
        for command, target in (("validate", PREFIX / METAINFO), ("validate-tree", PREFIX)):
            with self.subTest(command=command):
                result = run("appstreamcli", command, "--no-net", "--pedantic", "--no-color",
                             str(target))
                output = result.stdout + result.stderr
                self.assertEqual(result.returncode, 0, output)
                problems = [line for line in output.splitlines()
                            if line.strip().startswith(("E:", "W:"))]
                self.assertEqual(problems, [], output)

    def test_names_the_installed_desktop_entry(self):
        self.assertEqual(self.root.findtext("id"), APP_ID)
        launchable = self.root.find("launchable")
        self.assertEqual(launchable.get("type"), "desktop-id")
        self.assertTrue((PREFIX / "share/applications" / launchable.text).is_file())
        self.assertEqual(self.root.findtext("provides/binary"), "angulor")

    def test_release_is_this_version(self):
        releases = self.root.findall("releases/release")
        self.assertEqual(releases[0].get("version"), VERSION)
        self.assertRegex(releases[0].get("date"), r"^\d{4}-\d{2}-\d{2}$")

    def test_licence_matches_the_licence_file(self):
        self.assertEqual(self.root.findtext("project_license"), "MIT")
        self.assertTrue((SOURCE_DIR / "LICENSE").read_text().startswith("MIT License"))

    def test_screenshot_is_published_from_the_source_tree(self):
        image = self.root.find("screenshots/screenshot/image")
        self.assertTrue(image.text.startswith("https://"))
        self.assertEqual(image.text.rsplit("/", 1)[1], "screenshot.png")
        self.assertGreater(png_size(SOURCE_DIR / "docs/screenshot.png")[0], 0)


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

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def field(self, name):
        return run("dpkg-deb", "--field", str(self.deb), name).stdout.strip()

    def test_package_is_named_after_version_and_architecture(self):
        self.assertTrue(self.deb.is_file(), sorted(os.listdir(self.tmp)))
        self.assertEqual(self.field("Package"), "angulor")
        self.assertEqual(self.field("Version"), VERSION)

    def test_dependencies_are_computed_from_the_libraries(self):
        depends = [d.split()[0] for d in self.field("Depends").split(", ")]
        for package in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                        "fonts-liberation", "xdg-utils"):
            self.assertIn(package, depends)

    def test_control_fields(self):
        self.assertTrue(self.field("Maintainer"))
        self.assertEqual(self.field("Section"), "math")
        description = self.field("Description").splitlines()
        self.assertGreater(len(description), 1)
        self.assertTrue(all(len(line) <= 80 for line in description))

    @unittest.skipUnless(HARDENED, NOT_HARDENED)
    def test_lintian_finds_nothing_at_pedantic(self):
        result = run("lintian", "--pedantic", "--display-info", "--display-experimental",
                     "--no-tag-display-limit", "--fail-on", "none", str(self.deb))
        tags = [line for line in result.stdout.splitlines() if re.match(r"^[EWIPX]: ", line)]
        self.assertEqual(tags, [], result.stdout + result.stderr)
        self.assertEqual(result.returncode, 0, result.stderr)

    def test_lintian_overrides_carry_a_reason(self):
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "-x", str(self.deb), unpacked)
            lines = (Path(unpacked) / "usr/share/lintian/overrides/angulor").read_text().splitlines()
        for number, line in enumerate(lines):
            if line and not line.startswith("#"):
                with self.subTest(override=line):
                    self.assertTrue(number > 0 and lines[number - 1].startswith("# "))

    def test_installed_size_counts_the_link_as_a_link(self):
        # As dpkg-gencontrol counts: whole KiB per file or link, rounded up, one per directory.
        listing = run("dpkg-deb", "--contents", str(self.deb)).stdout.splitlines()
        kib = 0
        for line in listing:
            mode, size = line.split()[0], int(line.split()[2])
            kib += 1 if mode[0] in "dl" else (size + 1023) // 1024
        self.assertLessEqual(abs(int(self.field("Installed-Size")) - kib), 1)

    def test_recommends_the_wayland_platform(self):
        self.assertIn("qt6-wayland", self.field("Recommends").split(", "))

    def test_contents_are_the_installed_tree_under_usr(self):
        with tempfile.TemporaryDirectory() as unpacked:
            result = run("dpkg-deb", "-x", str(self.deb), unpacked)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(files_under(unpacked), {f"usr/{f}" for f in EXPECTED_FILES}
                             | {"usr/share/lintian/overrides/angulor"})
            usr = Path(unpacked) / "usr"
            self.assertEqual(os.readlink(usr / "bin/angulor"), "../lib/angulor/angulor")
            self.assertEqual(read_desktop_entry(usr / DESKTOP_ENTRY)["Exec"], "angulor")


if __name__ == "__main__":
    unittest.main()
