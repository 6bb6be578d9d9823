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

QColor fromWindowsColour(quint32 bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

quint32 toWindowsColour(const QColor &colour) {
    return static_cast<quint32>(colour.red()) | static_cast<quint32>(colour.green()) << 8 |
           static_cast<quint32>(colour.blue()) << 16;
}
