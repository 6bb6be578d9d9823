#include "CommandLine.h"
#include "ExitProcessEnder.h"
#include "FontSubstitutes.h"
#include "HeldKeyFilter.h"
#include "Platform.h"
#include "PosixFileReader.h"
#include "QtClipboard.h"
#include "QtMessageBoxes.h"
#include "QtScreen.h"
#include "Translations.h"
#include "X11KeyboardState.h"
#include "XdgWebLauncher.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Said before the application object exists (or while it is being made).
void say(const char *text) {
    std::fputs(Translations::beforeApplication("main", text).toLocal8Bit().constData(), stderr);
}

// Qt aborts with a core dump when it finds no display; say so plainly instead.
bool displayAvailable() {
    if (std::getenv("QT_QPA_PLATFORM"))
        return true;
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// A window system that cannot start (a display that cannot be reached, a platform that is not
// installed) makes Qt abort; end with a plain sentence, Qt's own reason and a failure status
// instead of a core dump. Qt's start-up lines are held back until the window system is known
// to work, because they are part of that reason.
QStringList heldStartUpMessages;

void startUpMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    heldStartUpMessages.append(message);
    if (type != QtFatalMsg)
        return;
    say(QT_TRANSLATE_NOOP("main", "Angulor could not open its window; Qt reports:\n"));
    for (const QString &line : std::as_const(heldStartUpMessages))
        std::fprintf(stderr, "%s\n", qPrintable(line.trimmed()));
    std::_Exit(1);
}

// The committed renders of the scalable icon, so that no SVG support has to be installed. Only
// the sizes a title bar or task switcher uses: each one is decoded when the window is shown, and
// the desktop takes its larger ones from the installed icon theme.
QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char *argv[]) {
    CommandLine::Reading commandLine = CommandLine::read(argc, argv);
    if (!commandLine.start)
        return commandLine.status;
    // Converts from the command line without loading any window system.
    if (commandLine.conversion) {
        // A core application only, for the translations: it needs no display.
        QCoreApplication application(argc, argv);
        Translations::install(application);
        return Conversion::run(*commandLine.conversion, stdin, stdout, stderr);
    }
    if (!commandLine.windowSystemNamed && !displayAvailable()) {
        say(QT_TRANSLATE_NOOP("main", "Angulor needs a graphical display, but neither DISPLAY "
                                      "nor WAYLAND_DISPLAY is set.\n"));
        return 1;
    }
    // The GUI application keeps argc and argv: they live until the end of main.
    std::vector<char *> qtArgv;
    for (std::string &argument : commandLine.qtArguments)
        qtArgv.push_back(argument.data());
    int qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    const QtMessageHandler defaultHandler = qInstallMessageHandler(startUpMessages);
    QApplication app(qtArgc, qtArgv.data());
    qInstallMessageHandler(defaultHandler);
    for (const QString &message : std::as_const(heldStartUpMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    heldStartUpMessages.clear();
    // Every way out runs the quit sequence, which ends the process itself.
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install(app);
    // Lets the desktop match the windows with the menu entry of the same id.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quevrin_systems.Angulor"));
    QApplication::setWindowIcon(applicationIcon());
    installFontSubstitutes();
    X11KeyboardState keyboard;
    HeldKeyFilter heldKeys(keyboard);
    app.installEventFilter(&heldKeys);

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
