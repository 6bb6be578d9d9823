#include "ProgramList.h"
#include "frmMain.h"
#include "weblink.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSessionManager>

void frmMain::cmdQuit_Click() {
    if (quitting)
        return;
    quitting = true;
    hide();
    catalogue.showModal();
    // Any other window, the help viewer among them, goes with the process.
    platform.process.endProcess();
}

void frmMain::Form_Unload(std::int16_t & /*Cancel*/) {
    cmdQuit_Click();
}

// The close itself is refused: the quit sequence ends the process, and a window still in
// the middle of closing must not run the catalogue's modal loop.
void frmMain::closeEvent(QCloseEvent *event) {
    event->ignore();
    std::int16_t Cancel = 0;
    Form_Unload(Cancel);
}

// The session may only show the catalogue when it lets this program talk to the user;
// otherwise the program ends at once.
void frmMain::sessionEnding(QSessionManager &manager) {
    if (manager.allowsInteraction()) {
        std::int16_t Cancel = 0;
        Form_Unload(Cancel);
    }
    platform.process.endProcess();
}

void frmMain::cmdQSsoftware_Click() {
    hide();
    catalogue.showModal();
    show();
    activateWindow();
    cmdRad2Deg->setFocus();
    txbRadians->setCursorPosition(static_cast<int>(txbRadians->text().size()));
}

void frmMain::lblCopyright_Click() {
    weblink::OpenWebPage(SiteURL, platform, this);
}
