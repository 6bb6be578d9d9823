#include "WindowPlacement.h"

#include "Twips.h"

#include <cmath>

namespace WindowPlacement {

QPoint StartPosition(QSize screenPixels, double logicalDpi) {
    const float topTwips =
        static_cast<float>(Twips::fromPixels(screenPixels.height(), logicalDpi)) / 10.0f;
    const float leftTwips =
        static_cast<float>(Twips::fromPixels(screenPixels.width(), logicalDpi)) / 8.0f;
    return {Twips::toPixels(static_cast<int>(std::lround(leftTwips)), logicalDpi),
            Twips::toPixels(static_cast<int>(std::lround(topTwips)), logicalDpi)};
}

} // namespace WindowPlacement
