#pragma once

#include "Platform.h"
#include "frmView.h"

#include <QPointer>

class QWidget;

// The Help button: shows the help text in the one viewer window, below the main window.
// The main window holds it as a member, so the viewer goes when the main window goes.
class HelpCommand {
public:
    HelpCommand(QWidget &mainWindow, Platform &platform);
    ~HelpCommand();
    HelpCommand(const HelpCommand &) = delete;
    HelpCommand &operator=(const HelpCommand &) = delete;

    void run();
    frmView *viewer() const { return view; }

private:
    QWidget &mainWindow;
    Platform &platform;
    QPointer<frmView> view; // has no owner window; gone once closed with its close box
};
