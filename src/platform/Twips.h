#pragma once

#include <QRect>

namespace Twips {

// A control's design place, in twips.
struct Rect {
    int left;
    int top;
    int width;
    int height;
};

// Twips (1/1440 inch) to pixels at the given logical DPI: 15 twips a pixel at 96 DPI.
int toPixels(int twips, double logicalDpi);
int fromPixels(int pixels, double logicalDpi);
QRect toPixels(int left, int top, int width, int height, double logicalDpi);
QRect toPixels(const Rect &rect, double logicalDpi);

} // namespace Twips
