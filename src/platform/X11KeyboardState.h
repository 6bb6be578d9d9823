#pragma once

#include "KeyboardState.h"

// Asks the X server for its key map; says false on any other window system.
class X11KeyboardState : public KeyboardState {
public:
    bool isDown(quint32 nativeScanCode) override;
};
