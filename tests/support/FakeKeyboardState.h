#pragma once

#include "KeyboardState.h"

#include <QSet>

// The keys the display has down, as a test says.
class FakeKeyboardState : public KeyboardState {
public:
    QSet<quint32> down;
    bool isDown(quint32 nativeScanCode) override { return down.contains(nativeScanCode); }
};
