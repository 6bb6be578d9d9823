#include "Screen.h"

#include <algorithm>

QPoint keptOnScreen(const QRect &frame, const QRect &available) {
    // Right and bottom first, so that the left and top edges win when the window is too big.
    const int x =
        std::max(std::min(frame.left(), available.right() + 1 - frame.width()), available.left());
    const int y =
        std::max(std::min(frame.top(), available.bottom() + 1 - frame.height()), available.top());
    return {x, y};
}
