#!/usr/bin/python3
"""Screenshots of the main window, the help viewer and the catalogue at several display scales.

Usage: tools/take-screenshots PREFIX [OUTDIR]   (it runs this with the desktop module at hand)
       tools/take-screenshots --language LANGUAGE PREFIX [OUTDIR]
PREFIX holds an installed Angulor (cmake --install build --prefix PREFIX); the pictures go to
OUTDIR (docs/scaling by default) as main-<scale>x.png, viewer-<scale>x.png, catalogue-<scale>x.png.
With --language, only the main window in that language, after one conversion, at scale 1, as
OUTDIR/screenshot-<LANGUAGE>.png (docs by default).
Needs the packages of ./test and imagemagick.
"""

import os
import shutil
import subprocess
import sys
import tempfile
from contextlib import contextmanager
import time
from pathlib import Path

from desktop import (CATALOGUE_TITLE, HELP_TITLE, MAIN_TITLE, Accessibility, Desktop, Failure,
                     Processes)

SCALES = ("1", "1.5", "2")


def settle():
    # Lets the window manager place and the program repaint before the picture is taken.
    time.sleep(0.7)


def shoot(desktop, window, path):
    result = desktop.run("import", "-window", window, str(path), timeout=30)
    if result.returncode != 0:
        raise Failure(f"import failed: {result.stderr}")
    print(path)


@contextmanager
def converted_once(prefix, screen, **app_env):
    """The installed program on a desktop of its own, after one conversion: (desktop, app, main)."""
    workdir = Path(tempfile.mkdtemp(prefix="angulor-shots-"))
    runtime = workdir / "runtime"
    runtime.mkdir(mode=0o700)
    env = {"PATH": os.environ["PATH"], "HOME": str(workdir), "XDG_RUNTIME_DIR": str(runtime),
           "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"}
    processes = Processes(env)
    desktop = Desktop(processes, env, screen=screen)
    try:
        desktop.start()
        os.environ.update(env)
        app = subprocess.Popen([str(prefix / "bin/angulor")], cwd=workdir,
                               env=dict(env, QT_QPA_PLATFORM="xcb", **app_env),
                               start_new_session=True)
        processes.started.append(app)
        main = desktop.window(app, MAIN_TITLE)
        desktop.run("xdotool", "windowactivate", "--sync", main)
        desktop.run("xdotool", "type", "--delay", "50", "1")
        desktop.run("xdotool", "key", "Return")
        yield desktop, app, main
    finally:
        processes.end_all()
        shutil.rmtree(workdir, ignore_errors=True)


def take_translated(prefix, outdir, language):
    with converted_once(prefix, "1600x1000x24", LANGUAGE=language) as (desktop, app, main):
        settle()
        shoot(desktop, main, outdir / f"screenshot-{language}.png")


def take(prefix, outdir, scale):
    with converted_once(prefix, "2560x1600x24", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_SCALE_FACTOR=scale) as (desktop, app, main):
        a11y = Accessibility(app.pid)
        settle()
        shoot(desktop, main, outdir / f"main-{scale}x.png")

        a11y.press("Help")
        viewer = desktop.window(app, HELP_TITLE)
        settle()
        shoot(desktop, viewer, outdir / f"viewer-{scale}x.png")

        a11y.press(CATALOGUE_TITLE)
        catalogue = desktop.window(app, CATALOGUE_TITLE)
        settle()
        shoot(desktop, catalogue, outdir / f"catalogue-{scale}x.png")


def main():
    if len(sys.argv) in (4, 5) and sys.argv[1] == "--language":
        outdir = Path(sys.argv[4] if len(sys.argv) == 5 else
                      Path(__file__).resolve().parent.parent / "docs").resolve()
        take_translated(Path(sys.argv[3]).resolve(), outdir, sys.argv[2])
        return 0
    if len(sys.argv) == 4 and sys.argv[1] == "--scale":
        take(Path(sys.argv[2]), Path(sys.argv[3]), os.environ["ANGULOR_SHOT_SCALE"])
        return 0
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    prefix = Path(sys.argv[1]).resolve()
    outdir = Path(sys.argv[2] if len(sys.argv) == 3 else
                  Path(__file__).resolve().parent.parent / "docs/scaling").resolve()
    outdir.mkdir(parents=True, exist_ok=True)
    # One process per scale: the accessibility library stays bound to the first bus it meets.
    for scale in SCALES:
        subprocess.run([sys.executable, __file__, "--scale", str(prefix), str(outdir)],
                       env=dict(os.environ, ANGULOR_SHOT_SCALE=scale), check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
