#include "HelpCommand.h"

#include "Language.h"

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
        view = new frmView(platform);

    if (view->isMinimized())
        view->setWindowState(view->windowState() & ~Qt::WindowMinimized);
    if (!(view->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QRect main = mainWindow.frameGeometry();
        // Both windows wear the same decorations, so equal inner sizes give equal outer ones;
        // the viewer raises a size below its minimum itself.
        view->resize(mainWindow.size());
        const QSize frame = view->size() + main.size() - mainWindow.size();
        // Below the main window, but wholly on its screen.
        view->move(KeptOnScreen(QRect(QPoint(main.left(), main.top() + main.height()), frame),
                                platform.screen.availableGeometryAt(main.center())));
    }
    const QString folder = QCoreApplication::applicationDirPath();
    view->strFilename = folder + QStringLiteral("/ang_help.txt");
    view->translatedFilenames.clear();
    for (const QString &language : Language::Preferred(Language::FromProcess()))
        view->translatedFilenames.append(folder + QStringLiteral("/ang_help.%1.txt").arg(language));
    view->setWindowTitle(
        QCoreApplication::translate("HelpCommand", "Help for ANG", "window title"));
    view->blnCopyToClipboardInvisible = true;
    view->setTextName(
        QCoreApplication::translate("HelpCommand", "Help text", "spoken name of the text box"));
    view->setWindowIcon(mainWindow.windowIcon());
    view->show();
    view->raise();
    view->activateWindow();
}
