#include "WindowPlacement.h"

#include "Twips.h"

#include <algorithm>
#include <cmath>

namespace WindowPlacement {

QPoint StartPosition(const QRect &available, QSize window, double logicalDpi) {
    const float topTwips =
        static_cast<float>(Twips::fromPixels(available.height(), logicalDpi)) / 10.0f;
    const float leftTwips =
        static_cast<float>(Twips::fromPixels(available.width(), logicalDpi)) / 8.0f;
    const QPoint offset{Twips::toPixels(static_cast<int>(std::lround(leftTwips)), logicalDpi),
                        Twips::toPixels(static_cast<int>(std::lround(topTwips)), logicalDpi)};
    return KeptOnScreen(QRect(available.topLeft() + offset, window), available);
}

QPoint KeptOnScreen(const QRect &frame, const QRect &available) {
    // Right and bottom first, so that the left and top edges win when the window is too big.
    const int x =
        std::max(std::min(frame.left(), available.right() + 1 - frame.width()), available.left());
    const int y =
        std::max(std::min(frame.top(), available.bottom() + 1 - frame.height()), available.top());
    return {x, y};
}

} // namespace WindowPlacement
