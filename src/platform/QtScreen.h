#pragma once

#include "Screen.h"

// The primary screen, where a new window opens, in Qt's device-independent pixels.
class QtScreen : public Screen {
public:
    QRect availableGeometry() const override;
    double logicalDpi() const override;
};
