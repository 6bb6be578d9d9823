#pragma once

#include <QObject>
#include <QSet>

class KeyboardState;

// The display's part of "a held key acts once" (the whole rule is told in KeyRelease.h). Some
// displays (X11) send each repeat of a held key as a release and a press, and Qt can mark
// only those whose press has already arrived as repeats; the others would act like a real
// release: a conversion per repeat of a held Enter in a field, a click per repeat of a held
// Space on a button. Installed on the application, this drops a release of Enter or Space
// while the display still has that key down, and the repeated presses of those keys to a
// button, so that a held key acts once, when it is let go.
class HeldKeyFilter : public QObject {
public:
    explicit HeldKeyFilter(KeyboardState &keyboard, QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyboardState &keyboard;
    QSet<quint32> held; // keys whose last release was a repeat's
};
