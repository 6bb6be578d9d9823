#pragma once

#include <QtGlobal>

// Whether the display has a key down right now, by the native key code Qt gives its key
// events.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    // False where the display cannot say.
    virtual bool isDown(quint32 nativeScanCode) = 0;
};

// Asks the X server for its key map; says false on any other window system.
class X11KeyboardState : public KeyboardState {
public:
    bool isDown(quint32 nativeScanCode) override;
};
