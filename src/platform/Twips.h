#pragma once

#include <QColor>
#include <QRect>

namespace Twips {

// Twips (1/1440 inch) to pixels at the given logical DPI: 15 twips a pixel at 96 DPI.
int toPixels(int twips, double logicalDpi);
int fromPixels(int pixels, double logicalDpi);
QRect toPixels(int left, int top, int width, int height, double logicalDpi);

} // namespace Twips

// A colour written &H00BBGGRR (red + 256 * green + 65536 * blue).
QColor fromWindowsColour(quint32 bgr);
