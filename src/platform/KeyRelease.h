#pragma once

#include <QObject>
#include <functional>

class QWidget;

// How a held key acts once, in one place. A control that acts when a key is let go (a field of
// the main window on Enter, a link on Enter or Space) acts only on the release of a press it
// received itself: a message box that closes on the press of Enter leaves the release to the
// field that gets the focus back, and that release must not act again. A held key repeats,
// and some displays (X11) send each repeat as a release and a press:
// - the releases Qt flags as repeats never act;
// - where the display can say that the key is still down, HeldKeyFilter, installed on the
//   application, drops the release before any control sees it;
// - where it cannot yet (the repeat's press is still on its way), a control that acts after
//   the pending events learns of the repeat from a press with the release's timestamp, which
//   cancels the release.
class KeyRelease : public QObject {
public:
    enum class Timing { AtOnce, AfterPendingEvents };

    // Watches `control`'s key and focus events; `act` runs for each release of one of the keys
    // that acts. Owned by the control.
    KeyRelease(QWidget &control, bool (*keys)(int key), Timing timing, std::function<void()> act);

    static bool isEnter(int key);
    static bool isEnterOrSpace(int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void actIfStillPending();

    bool (*keys)(int key);
    Timing timing;
    std::function<void()> act;
    bool pressed = false; // the key went down here since its last release: its release acts
    bool pending = false; // a release waits for the events on their way
    quint64 pendingTimestamp = 0;
};
