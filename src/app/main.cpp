#include "ExitProcessEnder.h"
#include "FontSubstitutes.h"
#include "Platform.h"
#include "PosixFileReader.h"
#include "QtClipboard.h"
#include "QtMessageBoxes.h"
#include "QtScreen.h"
#include "XdgWebLauncher.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a core dump when it finds no display; say so plainly instead.
bool displayAvailable() {
    if (std::getenv("QT_QPA_PLATFORM"))
        return true;
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// The committed renders of the scalable icon, so that no SVG support has to be installed.
QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char *argv[]) {
    if (!displayAvailable()) {
        std::fputs("Angulor needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY "
                   "is set.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // Every way out runs the quit sequence, which ends the process itself.
    QApplication::setQuitOnLastWindowClosed(false);
    // Lets the desktop match the windows with the menu entry of the same id.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quevrin_systems.Angulor"));
    QApplication::setWindowIcon(applicationIcon());
    InstallFontSubstitutes();

    QtMessageBoxes messages;
    QtClipboard clipboard;
    QtScreen screen;
    PosixFileReader files;
    XdgWebLauncher web;
    ExitProcessEnder process;
    Platform platform{messages, clipboard, screen, files, web, process};

    frmMain window(platform);
    window.Form_Load();
    return app.exec();
}
