#include "PastingField.h"
#include "frmMain.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>

namespace {

constexpr int enterKeyCode = 13;

bool isEnter(const QKeyEvent *event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The key code as the KeyUp handlers read it: 13 for Enter and Return (keypad included).
int keyCodeOf(const QKeyEvent *event) {
    return isEnter(event) ? enterKeyCode : event->key() & 0xFFFF;
}

} // namespace

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == cboDecimalPlaces && event->type() == QEvent::Wheel)
        return !cboDecimalPlaces->hasFocus();
    if (auto *field = qobject_cast<QLineEdit *>(watched))
        return fieldKeyEvent(field, event);
    return QWidget::eventFilter(watched, event);
}

bool frmMain::fieldKeyEvent(QLineEdit *field, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *press = static_cast<QKeyEvent *>(event);
        if (!isEnter(press))
            return false;
        // A press with the timestamp of the release before it is the key repeating: the key
        // is still held, and that release was none. A timestamp of 0 is none at all.
        if (pendingEnter.field == field && press->timestamp() != 0 &&
            pendingEnter.timestamp == press->timestamp())
            pendingEnter.field = nullptr;
        enterPressedIn = field;
        return false;
    }
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
        // Some displays report the key's repeats as plain release and press pairs. Whether a
        // press follows is known only once the events already on their way have been
        // delivered, so the release is acted on right after them.
        pendingEnter = {field, key->timestamp()};
        QMetaObject::invokeMethod(this, &frmMain::enterReleased, Qt::QueuedConnection);
        return false;
    }
    fieldKeyUp(field, keyCodeOf(key));
    return false;
}

void frmMain::enterReleased() {
    // A press of the same key with the release's timestamp, delivered meanwhile, has cleared
    // it: the key is repeating. (Repeats whose press is still on its way from the display are
    // dropped before they reach the window, where the display can tell.)
    QLineEdit *field = pendingEnter.field;
    pendingEnter.field = nullptr;
    if (field)
        fieldKeyUp(field, enterKeyCode);
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
