#include "HelpCommand.h"

#include <QCoreApplication>
#include <QWidget>

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
        view = new frmView(platform, {.strFilename = QCoreApplication::applicationDirPath() +
                                                     QStringLiteral("/ang_help.txt"),
                                      .blnCopyToClipboardInvisible = true,
                                      .textName = QStringLiteral("Help text")});

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
    view->setWindowTitle(QStringLiteral("Help for ANG"));
    view->setWindowIcon(mainWindow.windowIcon());
    view->show();
    view->raise();
    view->activateWindow();
}
