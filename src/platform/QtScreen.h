#pragma once

#include "Screen.h"

// The primary screen, in Qt's device-independent pixels.
class QtScreen : public Screen {
public:
    QSize sizeInPixels() const override;
    double logicalDpi() const override;
};
