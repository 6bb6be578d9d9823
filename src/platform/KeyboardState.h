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
