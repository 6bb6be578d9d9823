#include "HeldKeyFilter.h"

#include "KeyRelease.h"
#include "KeyboardState.h"

#include <QAbstractButton>
#include <QKeyEvent>

HeldKeyFilter::HeldKeyFilter(KeyboardState &keyboard, QObject *parent)
    : QObject(parent), keyboard(keyboard) {}

bool HeldKeyFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!KeyRelease::isEnterOrSpace(key->key()))
        return false;
    const quint32 code = key->nativeScanCode();
    if (event->type() == QEvent::KeyRelease) {
        if (key->isAutoRepeat())
            return false;
        if (keyboard.isDown(code)) {
            held.insert(code);
            return true;
        }
        held.remove(code);
        return false;
    }
    // A button clicks on the press of Enter: a repeat must not click it again.
    return qobject_cast<QAbstractButton *>(watched) && (key->isAutoRepeat() || held.contains(code));
}
