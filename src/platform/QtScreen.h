#pragma once

#include "Screen.h"

// Qt's screens in its device-independent pixels; the main window opens on the primary one.
class QtScreen : public Screen {
public:
    QRect availableGeometry() const override;
    QRect availableGeometryAt(QPoint point) const override;
    double logicalDpi() const override;
};
