#pragma once

#include <QRect>

// The screen the main window opens on.
class Screen {
public:
    virtual ~Screen() = default;
    // The part of the screen that windows may cover (without panels and docks), at its place
    // on the desktop, which need not start at 0,0 when there are several monitors.
    virtual QRect availableGeometry() const = 0;
    virtual double logicalDpi() const = 0;
};
