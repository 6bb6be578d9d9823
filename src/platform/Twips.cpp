#include "Twips.h"

#include <cmath>

namespace Twips {

int toPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

int fromPixels(int pixels, double logicalDpi) {
    return static_cast<int>(std::lround(pixels * 1440.0 / logicalDpi));
}

QRect toPixels(int left, int top, int width, int height, double logicalDpi) {
    return {toPixels(left, logicalDpi), toPixels(top, logicalDpi), toPixels(width, logicalDpi),
            toPixels(height, logicalDpi)};
}

QRect toPixels(const Rect &rect, double logicalDpi) {
    return toPixels(rect.left, rect.top, rect.width, rect.height, logicalDpi);
}

} // namespace Twips
