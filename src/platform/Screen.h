#pragma once

#include <QSize>

// The screen the main window opens on.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QSize sizeInPixels() const = 0;
    virtual double logicalDpi() const = 0;
};
