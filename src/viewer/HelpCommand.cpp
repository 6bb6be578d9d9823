#include "HelpCommand.h"

#include "Language.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

// The English help text, and before it the translated ones in the person's order of languages.
ViewerSettings helpSettings() {
    const QString folder = QCoreApplication::applicationDirPath();
    ViewerSettings settings;
    settings.strFilename = folder + QStringLiteral("/ang_help.txt");
    for (const QString &language : Language::preferred(Language::fromProcess()))
        settings.translatedFilenames.append(folder +
                                            QStringLiteral("/ang_help.%1.txt").arg(language));
    settings.blnCopyToClipboardInvisible = true;
    settings.textName =
        QCoreApplication::translate("HelpCommand", "Help text", "spoken name of the text box");
    return settings;
}

} // namespace

HelpCommand::HelpCommand(QWidget &mainWindow, Platform &platform)
    : mainWindow(mainWindow), platform(platform) {}

HelpCommand::~HelpCommand() {
    delete view;
}

void HelpCommand::run() {
    // A viewer closed with its close box may still wait for its deletion.
    if (view && view->unloaded())
        delete view;
    if (!view)
        view = new frmView(platform, helpSettings());

    if (view->isMinimized())
        view->setWindowState(view->windowState() & ~Qt::WindowMinimized);
    if (!(view->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QRect main = mainWindow.frameGeometry();
        // Both windows wear the same decorations, so equal inner sizes give equal outer ones;
        // the viewer raises a size below its minimum itself.
        view->resize(mainWindow.size());
        const QSize frame = view->size() + main.size() - mainWindow.size();
        // Below the main window, but wholly on its screen.
        view->move(keptOnScreen(QRect(QPoint(main.left(), main.top() + main.height()), frame),
                                platform.screen.availableGeometryAt(main.center())));
    }
    view->setWindowTitle(
        QCoreApplication::translate("HelpCommand", "Help for ANG", "window title"));
    view->setWindowIcon(mainWindow.windowIcon());
    view->show();
    view->raise();
    view->activateWindow();
}
