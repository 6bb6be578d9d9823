#include "KeyRelease.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>
#include <utility>

KeyRelease::KeyRelease(QWidget &control, bool (*keys)(int key), Timing timing,
                       std::function<void()> act)
    : QObject(&control), keys(keys), timing(timing), act(std::move(act)) {
    control.installEventFilter(this);
}

bool KeyRelease::isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool KeyRelease::isEnterOrSpace(int key) {
    return isEnter(key) || key == Qt::Key_Space;
}

bool KeyRelease::eventFilter(QObject *, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *press = static_cast<QKeyEvent *>(event);
        if (!keys(press->key()))
            return false;
        // A press with the timestamp of the release before it is the key repeating: the key
        // is still held, and that release was none. A timestamp of 0 is none at all.
        if (pending && press->timestamp() != 0 && pendingTimestamp == press->timestamp())
            pending = false;
        pressed = true;
        return false;
    }
    case QEvent::FocusOut:
        pressed = false;
        return false;
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }

    const auto *release = static_cast<QKeyEvent *>(event);
    if (release->isAutoRepeat() || !keys(release->key()) || !std::exchange(pressed, false))
        return false;
    if (timing == Timing::AtOnce) {
        act();
        return false;
    }
    // Whether a press follows is known only once the events already on their way have been
    // delivered, so the release is acted on right after them.
    // A release still waiting was a real one, since the press after it was no repeat: a second
    // tap within the same delivery is acted on as well.
    if (std::exchange(pending, true))
        act();
    pendingTimestamp = release->timestamp();
    QMetaObject::invokeMethod(this, &KeyRelease::actIfStillPending, Qt::QueuedConnection);
    return false;
}

void KeyRelease::actIfStillPending() {
    if (std::exchange(pending, false))
        act();
}
