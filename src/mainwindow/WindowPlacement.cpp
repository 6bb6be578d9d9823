#include "WindowPlacement.h"

#include "Screen.h"
#include "Twips.h"

#include <cmath>

namespace WindowPlacement {

QPoint startPosition(const QRect &available, QSize window, double logicalDpi) {
    const float topTwips =
        static_cast<float>(Twips::fromPixels(available.height(), logicalDpi)) / 10.0f;
    const float leftTwips =
        static_cast<float>(Twips::fromPixels(available.width(), logicalDpi)) / 8.0f;
    const QPoint offset{Twips::toPixels(static_cast<int>(std::lround(leftTwips)), logicalDpi),
                        Twips::toPixels(static_cast<int>(std::lround(topTwips)), logicalDpi)};
    return keptOnScreen(QRect(available.topLeft() + offset, window), available);
}

} // namespace WindowPlacement
