#pragma once

#include <QPoint>
#include <QRect>

// The screens windows open on.
class Screen {
public:
    virtual ~Screen() = default;
    // The part of the main window's screen that windows may cover (without panels and docks),
    // at its place on the desktop, which need not start at 0,0 when there are several monitors.
    virtual QRect availableGeometry() const = 0;
    // The same for the screen that holds the point, or the main window's when none does.
    virtual QRect availableGeometryAt(QPoint point) const = 0;
    virtual double logicalDpi() const = 0;
};

// The place nearest to `frame`'s own at which it lies wholly within `available`; a window
// larger than the screen keeps its top left corner (and so its title bar) on it.
QPoint keptOnScreen(const QRect &frame, const QRect &available);
