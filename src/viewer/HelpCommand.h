#pragma once

#include "Platform.h"
#include "frmView.h"

#include <QObject>
#include <QPointer>

class QWidget;

// The Help button: shows the help text in the one viewer window, below the main window.
// It lives as a child of the main window and takes the viewer with it when it goes.
class HelpCommand : public QObject {
    Q_OBJECT
public:
    HelpCommand(QWidget &mainWindow, Platform &platform);
    ~HelpCommand() override;

    // The command of this main window, made on first use.
    static HelpCommand &of(QWidget &mainWindow, Platform &platform);

    void run();
    frmView *viewer() const { return view; }

private:
    QWidget &mainWindow;
    Platform &platform;
    QPointer<frmView> view; // has no owner window; gone once closed with its close box
};
