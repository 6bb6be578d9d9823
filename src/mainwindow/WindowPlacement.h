#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace WindowPlacement {

// Where the main window opens: one tenth of the screen's free height down and one eighth of
// its free width across from its top left corner, worked out in twips with single-precision
// division as the layout is; then moved, if need be, so that the whole window is on it.
QPoint startPosition(const QRect &available, QSize window, double logicalDpi);

} // namespace WindowPlacement
