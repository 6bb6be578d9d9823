#pragma once

#include <QPoint>
#include <QSize>

namespace WindowPlacement {

// Where the main window opens: one tenth of the screen height down and one eighth of its
// width across, worked out in twips with single-precision division as the layout is.
QPoint StartPosition(QSize screenPixels, double logicalDpi);

} // namespace WindowPlacement
