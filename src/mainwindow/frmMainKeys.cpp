#include "frmMain.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int enterKeyCode = 13;

bool isEnter(const QKeyEvent *event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The key code as the KeyUp handlers read it: 13 for Enter and Return (keypad included).
int keyCodeOf(const QKeyEvent *event) {
    return isEnter(event) ? enterKeyCode : event->key() & 0xFFFF;
}

int shiftStateOf(const QKeyEvent *event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (auto *field = qobject_cast<QLineEdit *>(watched))
        return fieldKeyEvent(field, event);
    return QWidget::eventFilter(watched, event);
}

bool frmMain::fieldKeyEvent(QLineEdit *field, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isEnter(static_cast<QKeyEvent *>(event)))
            enterPressedIn = field;
        return false;
    case QEvent::FocusOut:
        if (enterPressedIn == field)
            enterPressedIn = nullptr;
        return false;
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }

    auto *key = static_cast<QKeyEvent *>(event);
    if (key->isAutoRepeat())
        return false;
    // A message box closes on the press of Enter and the field gets its release: that
    // release must not run the conversion again, or the same message returns for ever.
    if (isEnter(key)) {
        if (enterPressedIn != field)
            return false;
        enterPressedIn = nullptr;
    }
    const int keyCode = keyCodeOf(key);
    const int shift = shiftStateOf(key);
    if (field == txbRadians)
        txbRadians_KeyUp(keyCode, shift);
    else if (field == txbDegrees)
        txbDegrees_KeyUp(keyCode, shift);
    else if (field == txbMinutes)
        txbMinutes_KeyUp(keyCode, shift);
    else if (field == txbSeconds)
        txbSeconds_KeyUp(keyCode, shift);
    return false;
}

void frmMain::txbRadians_KeyUp(int KeyCode, int /*Shift*/) {
    if (KeyCode == enterKeyCode)
        cmdRad2Deg_Click();
}

void frmMain::txbDegrees_KeyUp(int KeyCode, int /*Shift*/) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}

void frmMain::txbMinutes_KeyUp(int KeyCode, int /*Shift*/) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}

void frmMain::txbSeconds_KeyUp(int KeyCode, int /*Shift*/) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}
