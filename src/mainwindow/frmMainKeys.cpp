#include "KeyRelease.h"
#include "frmMain.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace {

// The key code as the KeyUp handlers read it: 13 for Enter and Return (keypad included).
constexpr int enterKeyCode = 13;

} // namespace

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == cboDecimalPlaces && event->type() == QEvent::Wheel)
        return !cboDecimalPlaces->hasFocus();
    return QWidget::eventFilter(watched, event);
}

// Enter in a field converts when it is let go, once however long it is held; the release is
// acted on after the events on their way, which tell a repeat of a held key from it.
void frmMain::watchFieldKeys() {
    for (QLineEdit *field : {txbRadians, txbDegrees, txbMinutes, txbSeconds})
        new KeyRelease(*field, KeyRelease::isEnter, KeyRelease::Timing::AfterPendingEvents,
                       [this, field] { fieldKeyUp(field, enterKeyCode); });
}

void frmMain::fieldKeyUp(QLineEdit *field, int keyCode) {
    if (field == txbRadians)
        txbRadians_KeyUp(keyCode);
    else if (field == txbDegrees)
        txbDegrees_KeyUp(keyCode);
    else if (field == txbMinutes)
        txbMinutes_KeyUp(keyCode);
    else if (field == txbSeconds)
        txbSeconds_KeyUp(keyCode);
}

void frmMain::txbRadians_KeyUp(int KeyCode) {
    if (KeyCode == enterKeyCode)
        cmdRad2Deg_Click();
}

void frmMain::txbDegrees_KeyUp(int KeyCode) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}

void frmMain::txbMinutes_KeyUp(int KeyCode) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}

void frmMain::txbSeconds_KeyUp(int KeyCode) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}
