#pragma once

#include "Screen.h"

class FakeScreen : public Screen {
public:
    QRect availableGeometry() const override { return available; }
    QRect availableGeometryAt(QPoint) const override { return available; }
    double logicalDpi() const override { return dpi; }
    QRect available{0, 0, 1024, 768};
    double dpi = 96.0;
};
