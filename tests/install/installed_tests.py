"""Checks of what `cmake --install` and the Debian package put on a user's machine."""

import configparser
import os
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
} | {f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in ICON_SIZES}


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

    def test_help_file_lies_beside_the_real_program(self):
        real = (PREFIX / "bin/angulor").resolve()
        help_file = real.parent / "ang_help.txt"
        self.assertEqual(help_file.read_bytes(), (SOURCE_DIR / "data/ang_help.txt").read_bytes())
        self.assertGreater(help_file.stat().st_size, 0)

    def test_icons_have_their_sizes(self):
        for n in ICON_SIZES:
            with self.subTest(size=n):
                self.assertEqual(png_size(PREFIX / f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png"),
                                 (n, n))
        svg = ET.parse(PREFIX / f"share/icons/hicolor/scalable/apps/{APP_ID}.svg").getroot()
        self.assertEqual(svg.tag, "{http://www.w3.org/2000/svg}svg")

    def test_licence_is_shipped(self):
        self.assertEqual((PREFIX / "share/doc/angulor/copyright").read_text(),
                         (SOURCE_DIR / "LICENSE").read_text())


class DesktopEntryTests(unittest.TestCase):
    def test_passes_desktop_file_validate(self):
        result = run("desktop-file-validate", str(PREFIX / DESKTOP_ENTRY))
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        problems = [line for line in (result.stdout + result.stderr).splitlines()
                    if ": error:" in line or ": warning:" in line]
        self.assertEqual(problems, [])

    def test_describes_the_program(self):
        entry = read_desktop_entry(PREFIX / DESKTOP_ENTRY)
        self.assertEqual(entry["Type"], "Application")
        self.assertEqual(entry["Name"], "Angulor")
        self.assertEqual(entry["GenericName"], "Angle calculator")
        self.assertTrue(entry["Comment"])
        self.assertEqual(entry["Categories"], "Utility;Calculator;Education;Math;")
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
        self.assertEqual(argv, [str(PREFIX / "bin/angulor")])

    def test_prefix_with_awkward_characters_is_quoted(self):
        with tempfile.TemporaryDirectory() as tmp:
            prefix = Path(tmp) / "my apps $HOME ('quoted')"
            install_into(None, prefix)
            self.assertEqual(exec_argv(prefix / DESKTOP_ENTRY), [str(prefix / "bin/angulor")])
            result = run("desktop-file-validate", str(prefix / DESKTOP_ENTRY))
            self.assertEqual(result.returncode, 0, result.stdout)

    def test_system_prefixes_find_the_program_on_the_path(self):
        for prefix in ("/usr", "/usr/local"):
            with self.subTest(prefix=prefix), tempfile.TemporaryDirectory() as destdir:
                install_into(destdir, prefix)
                root = Path(destdir + prefix)
                self.assertEqual(read_desktop_entry(root / DESKTOP_ENTRY)["Exec"], "angulor")
                self.assertEqual(os.readlink(root / "bin/angulor"), "../lib/angulor/angulor")


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

    def test_contents_are_the_installed_tree_under_usr(self):
        with tempfile.TemporaryDirectory() as unpacked:
            result = run("dpkg-deb", "-x", str(self.deb), unpacked)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(files_under(unpacked), {f"usr/{f}" for f in EXPECTED_FILES})
            usr = Path(unpacked) / "usr"
            self.assertEqual(os.readlink(usr / "bin/angulor"), "../lib/angulor/angulor")
            self.assertEqual(read_desktop_entry(usr / DESKTOP_ENTRY)["Exec"], "angulor")


if __name__ == "__main__":
    unittest.main()
