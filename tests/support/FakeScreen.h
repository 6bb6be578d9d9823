#pragma once

#include "Screen.h"

class FakeScreen : public Screen {
public:
    QSize sizeInPixels() const override { return size; }
    double logicalDpi() const override { return dpi; }
    QSize size{1024, 768};
    double dpi = 96.0;
};
